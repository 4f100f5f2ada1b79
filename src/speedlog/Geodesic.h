// Distances and positions on the WGS84 ellipsoid (Vincenty's inverse and
// direct formulae, nested form), for speeds from the positions of a log that
// has none of its own and for the positions of the test logs.
#pragma once

namespace vornax {

// Distance in metres along the ellipsoid between two points given in degrees.
// NaN when a coordinate is not a latitude or longitude, or for nearly
// antipodal points where the iteration does not settle (never two fixes of a
// car's log).
double geodesicDistance(double lat1, double lon1, double lat2, double lon2);

// The point `distance` metres from (lat, lon) along the initial bearing
// `bearing` (degrees clockwise from north); degrees in, degrees out.
void geodesicDestination(double lat, double lon, double bearing, double distance, double& latOut, double& lonOut);

}  // namespace vornax
