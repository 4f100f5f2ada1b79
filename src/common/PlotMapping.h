// Mapping between a drawing surface's user scale and its pixels. The user
// scale has its origin at the top-left corner, x growing to the right up to
// the scale width and y growing downwards up to the scale height; the pixels
// cover the surface's width and height. Both directions live here together.
#pragma once

namespace vornax {

struct PlotPoint {
    double x = 0, y = 0;
};

class PlotMapping {
public:
    // scaleWidth and scaleHeight must be finite and non-zero (negative flips
    // the axis); pixelWidth and pixelHeight are the surface's size.
    PlotMapping(double scaleWidth, double scaleHeight, double pixelWidth, double pixelHeight);

    PlotPoint toPixel(PlotPoint user) const;
    PlotPoint toUser(PlotPoint pixel) const;

    // A usable scale extent: finite and not zero.
    static bool validExtent(double extent);

private:
    double sx_, sy_;
};

}  // namespace vornax
