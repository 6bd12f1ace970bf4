#pragma once

#include "quiz_window/layout.h"

#include <QRect>
#include <QRectF>

// The layout is designed in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
inline constexpr double kTwipsPerPixel = 15.0;

inline double twipsToPixels(double twips)
{
    return twips / kTwipsPerPixel;
}

// Rounds the edges rather than the sizes, so that controls that touch in
// twips still touch in pixels.
QRect twipsRect(double left, double top, double width, double height);
QRect twipsRect(const Layout::Twips &place);
