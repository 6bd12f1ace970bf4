#include "quiz_window/twips.h"

#include <cmath>

QRect twipsRect(double left, double top, double width, double height)
{
    const int x = static_cast<int>(std::lround(twipsToPixels(left)));
    const int y = static_cast<int>(std::lround(twipsToPixels(top)));
    const int right = static_cast<int>(std::lround(twipsToPixels(left + width)));
    const int bottom = static_cast<int>(std::lround(twipsToPixels(top + height)));
    return QRect(x, y, right - x, bottom - y);
}

QRect twipsRect(const Layout::Twips &place)
{
    return twipsRect(place.left, place.top, place.width, place.height);
}
