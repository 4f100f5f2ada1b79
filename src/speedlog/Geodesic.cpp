#include "speedlog/Geodesic.h"

#include <cmath>
#include <numbers>

namespace vornax {
namespace {

constexpr double kA = 6378137.0;            // semi-major axis, m
constexpr double kF = 1.0 / 298.257223563;  // flattening
constexpr double kB = kA * (1.0 - kF);      // semi-minor axis, m
constexpr double kRad = std::numbers::pi / 180.0;

// The series in u² of the arc length, shared by both problems.
struct Series {
    double A, B;
};
Series seriesOf(double cosSqAlpha)
{
    const double uSq = cosSqAlpha * (kA * kA - kB * kB) / (kB * kB);
    const double A = 1 + uSq / 16384 * (4096 + uSq * (-768 + uSq * (320 - 175 * uSq)));
    const double B = uSq / 1024 * (256 + uSq * (-128 + uSq * (74 - 47 * uSq)));
    return {A, B};
}

double deltaSigma(double B, double sinSigma, double cosSigma, double cos2SigmaM)
{
    return B * sinSigma *
           (cos2SigmaM +
            B / 4 *
                (cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM) -
                 B / 6 * cos2SigmaM * (-3 + 4 * sinSigma * sinSigma) * (-3 + 4 * cos2SigmaM * cos2SigmaM)));
}

}  // namespace

double geodesicDistance(double lat1, double lon1, double lat2, double lon2)
{
    if (!(std::fabs(lat1) <= 90) || !(std::fabs(lat2) <= 90) || !(std::fabs(lon1) <= 360) || !(std::fabs(lon2) <= 360))
        return std::nan("");
    if (lat1 == lat2 && lon1 == lon2)
        return 0;
    // Reduced latitudes on the auxiliary sphere.
    const double U1 = std::atan((1 - kF) * std::tan(lat1 * kRad));
    const double U2 = std::atan((1 - kF) * std::tan(lat2 * kRad));
    const double sinU1 = std::sin(U1), cosU1 = std::cos(U1);
    const double sinU2 = std::sin(U2), cosU2 = std::cos(U2);
    const double L = (lon2 - lon1) * kRad;
    double lambda = L;
    double sinSigma = 0, cosSigma = 1, sigma = 0, cosSqAlpha = 1, cos2SigmaM = 0;
    for (int iteration = 0;; ++iteration) {
        if (iteration == 200)
            return std::nan("");
        const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);
        const double a = cosU2 * sinLambda;
        const double b = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
        sinSigma = std::sqrt(a * a + b * b);
        if (sinSigma == 0)
            return 0;  // the same point
        cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
        sigma = std::atan2(sinSigma, cosSigma);
        const double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
        cosSqAlpha = 1 - sinAlpha * sinAlpha;
        // On the equator cos²α is 0 and the term vanishes.
        cos2SigmaM = cosSqAlpha != 0 ? cosSigma - 2 * sinU1 * sinU2 / cosSqAlpha : 0;
        const double C = kF / 16 * cosSqAlpha * (4 + kF * (4 - 3 * cosSqAlpha));
        const double previous = lambda;
        lambda = L + (1 - C) * kF * sinAlpha *
                         (sigma + C * sinSigma * (cos2SigmaM + C * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
        if (std::fabs(lambda - previous) < 1e-12)
            break;
    }
    const Series s = seriesOf(cosSqAlpha);
    return kB * s.A * (sigma - deltaSigma(s.B, sinSigma, cosSigma, cos2SigmaM));
}

void geodesicDestination(double lat, double lon, double bearing, double distance, double& latOut, double& lonOut)
{
    const double alpha1 = bearing * kRad;
    const double sinAlpha1 = std::sin(alpha1), cosAlpha1 = std::cos(alpha1);
    const double tanU1 = (1 - kF) * std::tan(lat * kRad);
    const double cosU1 = 1 / std::sqrt(1 + tanU1 * tanU1), sinU1 = tanU1 * cosU1;
    const double sigma1 = std::atan2(tanU1, cosAlpha1);
    const double sinAlpha = cosU1 * sinAlpha1;
    const double cosSqAlpha = 1 - sinAlpha * sinAlpha;
    const Series s = seriesOf(cosSqAlpha);
    double sigma = distance / (kB * s.A);
    double sinSigma = 0, cosSigma = 1, cos2SigmaM = 0;
    for (int iteration = 0; iteration < 200; ++iteration) {
        cos2SigmaM = std::cos(2 * sigma1 + sigma);
        sinSigma = std::sin(sigma);
        cosSigma = std::cos(sigma);
        const double next = distance / (kB * s.A) + deltaSigma(s.B, sinSigma, cosSigma, cos2SigmaM);
        const bool settled = std::fabs(next - sigma) < 1e-12;
        sigma = next;
        if (settled)
            break;
    }
    sinSigma = std::sin(sigma);
    cosSigma = std::cos(sigma);
    cos2SigmaM = std::cos(2 * sigma1 + sigma);
    const double x = sinU1 * sinSigma - cosU1 * cosSigma * cosAlpha1;
    const double lat2 =
        std::atan2(sinU1 * cosSigma + cosU1 * sinSigma * cosAlpha1, (1 - kF) * std::sqrt(sinAlpha * sinAlpha + x * x));
    const double lambda = std::atan2(sinSigma * sinAlpha1, cosU1 * cosSigma - sinU1 * sinSigma * cosAlpha1);
    const double C = kF / 16 * cosSqAlpha * (4 + kF * (4 - 3 * cosSqAlpha));
    const double L =
        lambda - (1 - C) * kF * sinAlpha *
                     (sigma + C * sinSigma * (cos2SigmaM + C * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
    latOut = lat2 / kRad;
    lonOut = lon + L / kRad;
}

}  // namespace vornax
