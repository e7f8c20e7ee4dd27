#pragma once

#include "platform/CPoint.h"
#include "platform/CSize.h"

#include <algorithm>

// A rectangle whose right and bottom edges lie just outside it: (0, 0, 10, 10) covers 10 x 10 pixels.
class CRect {
public:
    constexpr CRect() = default;
    constexpr CRect(int nLeft, int nTop, int nRight, int nBottom)
        : left(nLeft), top(nTop), right(nRight), bottom(nBottom) {}
    constexpr CRect(CPoint ptTopLeft, CSize size)
        : left(ptTopLeft.x), top(ptTopLeft.y), right(ptTopLeft.x + size.cx), bottom(ptTopLeft.y + size.cy) {}
    constexpr CRect(CPoint ptTopLeft, CPoint ptBottomRight)
        : left(ptTopLeft.x), top(ptTopLeft.y), right(ptBottomRight.x), bottom(ptBottomRight.y) {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool PtInRect(CPoint pt) const {
        return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom;
    }

    constexpr void OffsetRect(int nDx, int nDy) {
        left += nDx;
        right += nDx;
        top += nDy;
        bottom += nDy;
    }

    // Becomes the common part of both rectangles, or all zeros when they do not overlap.
    constexpr bool IntersectRect(const CRect& rc1, const CRect& rc2) {
        *this = {std::max(rc1.left, rc2.left), std::max(rc1.top, rc2.top), std::min(rc1.right, rc2.right),
                 std::min(rc1.bottom, rc2.bottom)};
        if (IsRectEmpty()) {
            *this = {};
            return false;
        }
        return true;
    }

    friend constexpr bool operator==(const CRect&, const CRect&) = default;

    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
