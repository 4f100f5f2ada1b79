#include "power/PowerLayout.h"

#include <cmath>

namespace vornax {

PowerLayout layoutPowerWindow(const PowerLayoutInput& in)
{
    PowerLayout out;
    out.pictureHeight = in.pictureHeight;
    out.pictureWidth = in.pictureWidth;
    const double height = std::nearbyint(in.windowHeight - in.pictureTop - 900);
    if (height > 0)
        out.pictureHeight = height;
    const double width = std::nearbyint(in.windowWidth - 2 * in.pictureLeft);
    if (width > 0)
        out.pictureWidth = width;

    const double T = in.pictureTop, H = out.pictureHeight;
    const double L = in.pictureLeft, W = out.pictureWidth;
    out.valueTops[0] = T;
    for (int j = 1; j <= 8; ++j)
        out.valueTops[static_cast<std::size_t>(j)] = H * j / 9 + T;
    out.valueTops[9] = H + T - 130;

    out.rpmTop = H + T + 130;
    // Labels are centred on their grid line; odd eighths sit one twip further
    // left, as the window has always placed them.
    for (int c = 0; c <= 8; ++c)
        out.rpmLefts[static_cast<std::size_t>(c)] = W * (c * 0.125) + L - (c % 2 == 1 ? 313 : 312);

    out.torqueLeft = W + L;
    out.torqueTitleLeft = W + L - 700;
    return out;
}

}  // namespace vornax
