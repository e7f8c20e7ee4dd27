#pragma once

#include "platform/ColorRef.h"

#include <QColor>
#include <QRgb>

// COLORREF (0x00BBGGRR) to Qt's opaque colours (0xAARRGGBB).
inline QRgb ToQRgb(COLORREF cr) {
    return qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}
inline QColor ToQColor(COLORREF cr) {
    return QColor(ToQRgb(cr));
}
