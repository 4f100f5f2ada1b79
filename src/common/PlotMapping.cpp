#include "common/PlotMapping.h"

#include <cmath>

namespace vornax {

PlotMapping::PlotMapping(double scaleWidth, double scaleHeight, double pixelWidth, double pixelHeight)
    : sx_(validExtent(scaleWidth) ? pixelWidth / scaleWidth : 1.0),
      sy_(validExtent(scaleHeight) ? pixelHeight / scaleHeight : 1.0)
{
}

PlotPoint PlotMapping::toPixel(PlotPoint user) const { return {user.x * sx_, user.y * sy_}; }

PlotPoint PlotMapping::toUser(PlotPoint pixel) const
{
    return {sx_ != 0 ? pixel.x / sx_ : 0.0, sy_ != 0 ? pixel.y / sy_ : 0.0};
}

bool PlotMapping::validExtent(double extent) { return std::isfinite(extent) && extent != 0.0; }

}  // namespace vornax
