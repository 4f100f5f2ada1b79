// The picture of a run: speed (red) and distance (blue) against time on one
// surface, a black grid of 9 × 5 cells, and the texts of the axis labels; and
// where the plot and its label columns go when the window is resized. Plain
// data, drawn by the window on its plot canvas.
#pragma once

#include "common/PlotList.h"
#include "simulation/AccelerationModel.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

struct SpeedTimePicture {
    // The new user scale (width W = time of sample K, height H = distance of
    // sample K − 1 in the axis's unit); nullopt keeps the surface's scale.
    std::optional<std::pair<double, double>> scale;
    // In the scale drawn on (the new one, or the surface's): the speed and the
    // distance polylines, then the grid lines.
    PlotList plot;
    std::array<std::string, 10> timeLabels;                 // LBT0 … LBT9
    std::array<std::optional<std::string>, 6> speedLabels;  // LBV0 … LBV5; nullopt keeps the text
    std::array<std::string, 6> distanceLabels;              // LBD0 … LBD3, LbD4, LBD5
    float maxSpeed = 0;                                     // the larger of the run's and the samples' top speed
};

inline constexpr Rgb kSpeedCurveColour{255, 0, 0};
inline constexpr Rgb kDistanceCurveColour{0, 0, 255};
inline constexpr Rgb kSpeedTimeGridColour{0, 0, 0};

// The unit of the distance axis: metres beside kilometres per hour, yards
// beside miles per hour (the standing quarter mile is 440 yd). A speed unit
// the program does not know keeps metres: the figures then stay metres,
// whatever the speed factor, so that the axis never names one unit and
// shows another.
struct DistanceUnit {
    std::string name;     // "m", "yd"
    double perMetre = 1;  // display distance per metre
};
DistanceUnit distanceUnitFor(std::string_view speedUnitName);  // LbkmhMph: "km", "mi"

// The picture of samples 1 … K − 1 (sample K only sets the time scale).
// When the time of sample K is 0, K ≤ 1, or the height would be 0 or not
// finite, the scale stays (currentWidth × currentHeight) and only the grid
// and the labels are drawn; the speed labels then keep their texts.
// speedFactor is Lbcoefkm (display speed per km/h); the distance axis is in
// the unit of distancePerMetre (metres by default).
SpeedTimePicture DrawSpeedTime(const ResultSeries& series, std::int32_t shownLength, float runMaxSpeed,
                               float speedFactor, double currentWidth, double currentHeight,
                               double distancePerMetre = 1.0);

// Window layout in twips.
struct SpeedTimeRect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct SpeedTimeLayout {
    SpeedTimeRect plot;
    std::array<SpeedTimeRect, 10> timeLabels;
    std::array<SpeedTimeRect, 6> speedLabels;
    std::array<SpeedTimeRect, 6> distanceLabels;
};

// The layout for a window size: the plot takes the window's width less 1200 and its height
// less its top and 1000 (each only when that leaves room), the time labels go
// under it at ninths of its width, the speed and distance labels at fifths of
// its height (value 0 at the bottom edge), the speed column where it was
// designed, the distance column at its designed gap from the plot's right
// edge. The labels keep their sizes; `design` holds the plot and every label as designed or last
// laid out.
SpeedTimeLayout layoutSpeedTimePlot(int windowWidth, int windowHeight, const SpeedTimeLayout& design);

}  // namespace vornax
