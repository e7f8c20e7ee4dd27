#pragma once

#include "platform/CSize.h"

// A position in device or logical units.
class CPoint {
public:
    constexpr CPoint() = default;
    constexpr CPoint(int nX, int nY) : x(nX), y(nY) {}

    constexpr void Offset(int nDx, int nDy) {
        x += nDx;
        y += nDy;
    }

    constexpr CPoint operator+(CSize size) const { return {x + size.cx, y + size.cy}; }
    constexpr CPoint operator-(CSize size) const { return {x - size.cx, y - size.cy}; }
    constexpr CSize operator-(CPoint pt) const { return {x - pt.x, y - pt.y}; }
    friend constexpr bool operator==(const CPoint&, const CPoint&) = default;

    int x = 0;
    int y = 0;
};
