// What the WAV window's panels build their controls with. A panel is no
// widget of its own: its controls lie among the others' on the window's area
// (the detection's source line below the smoothing's row, its test frame
// beyond the usual width), each at its place in pixels as the window was
// designed in twips (1/1440 inch, 15 twips to a pixel).
#pragma once

#include "common/Twips.h"
#include "gui/signal/WavTexts.h"

#include <QLabel>
#include <QSlider>

namespace vornax {

inline int px(int twips) { return twipsToPixels(twips); }

// The first and second rows of settings above the plots, in pixels.
constexpr int kRow1 = 160;
constexpr int kRow2 = 218;

// The area below the menu at the designed size, in twips, and the test
// mode's frames beyond its usual width, in pixels.
constexpr int kAreaWidth = 14400;
constexpr int kAreaHeight = 10500;
constexpr int kTestModeExtra = 4000;
// The plots' top and left, in twips: fixed, the layout on resize works from
// them; the signal above has the same left.
constexpr int kPlotTop = 4800;
constexpr int kPlotLeft = 900;
inline const int kTestModeX = twipsToPixels(kAreaWidth) + 8;

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

// A label showing its own caption `source` (marked txNoop where written).
inline QLabel* caption(QWidget* parent, const char* source, int x, int y, int w, int h = 17)
{
    auto* label = ownCaption(new QLabel(parent), source);
    label->setGeometry(x, y, w, h);
    return label;
}

inline QSlider* slider(QWidget* parent, const char* name, int min, int max, int value)
{
    auto* s = named(new QSlider(Qt::Horizontal, parent), name);
    s->setRange(min, max);
    s->setValue(value);
    // A drag counts once, when the slider is let go, as a click does.
    s->setTracking(false);
    return s;
}

}  // namespace vornax
