// Window positions and sizes are designed in twips (1/1440 inch) and shown at
// 15 twips per pixel (then follow the screen's scaling). Every window converts
// with these two functions, so a designed length lands on the same pixel in
// all of them.
#pragma once

#include <cmath>

namespace vornax {

inline constexpr int kTwipsPerPixel = 15;

// Pixels for a length in twips, to the nearest pixel (halves away from zero).
inline int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// Twips for a length in pixels (exact).
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace vornax
