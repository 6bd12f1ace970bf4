#pragma once

#include <QColor>
#include <QtGlobal>

// Colours as the design gives them: 0x00BBGGRR, blue in the high byte and red
// in the low one. fromBgr is the one place that turns them into QColor.
inline constexpr quint32 kWindowBlue = 0x00FFC0C0;
inline constexpr quint32 kLightOrange = 0x0080C0FF;
inline constexpr quint32 kOrange = 0x000080FF;
inline constexpr quint32 kDarkOrange = 0x000040C0;
inline constexpr quint32 kLightBlue = 0x00FF8080;
inline constexpr quint32 kGreen = 0x0000FF00;
inline constexpr quint32 kRed = 0x000000FF;
inline constexpr quint32 kYellow = 0x0000FFFF;
inline constexpr quint32 kCyan = 0x00FFFF00;

inline QColor fromBgr(quint32 bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
        static_cast<int>((bgr >> 16) & 0xFF));
}
