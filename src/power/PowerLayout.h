// Where the power window's picture and axis labels go when the window is
// resized, in twips (1/1440 inch; the window maps 15 twips to a pixel). The
// picture keeps its top-left corner, grows to leave 900 twips below it and a
// margin on the right equal to its left one; a window too small for that
// keeps the picture's last size. The labels follow the picture: power values
// down its left edge, torque values down its right edge, engine speeds along
// its bottom.
#pragma once

#include <array>

namespace vornax {

struct PowerLayoutInput {
    double windowWidth = 0, windowHeight = 0;    // inside of the window
    double pictureLeft = 0, pictureTop = 0;      // fixed by the design
    double pictureWidth = 0, pictureHeight = 0;  // current size
};

struct PowerLayout {
    double pictureWidth = 0, pictureHeight = 0;
    std::array<double, 10> valueTops{};  // Label1 ... Label10 and LabelC1 ... LabelC10
    double rpmTop = 0;                   // Label11 ... Label19
    std::array<double, 9> rpmLefts{};    // Label11 ... Label19
    double torqueLeft = 0;               // LabelC1 ... LabelC10
    double torqueTitleLeft = 0;          // Label21
};

PowerLayout layoutPowerWindow(const PowerLayoutInput& in);

}  // namespace vornax
