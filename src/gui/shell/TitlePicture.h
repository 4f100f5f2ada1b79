// The main window's title picture, 731 x 393 pixels, drawn by the program.
#pragma once

#include <QPixmap>

namespace vornax {

constexpr int kTitlePictureWidth = 731;
constexpr int kTitlePictureHeight = 393;

QPixmap titlePicture();

}  // namespace vornax
