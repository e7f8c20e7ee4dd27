#include "CPixelScan.h"

COLORREF CPixelScan::At(int x, int y) const {
    const QRgb rgb = m_image.pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

int CPixelScan::Count(const CRect& rc, const PixelTest& fnTest) const {
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            nCount += fnTest(At(x, y)) ? 1 : 0;
    return nCount;
}

std::optional<int> CPixelScan::TopRow(const CRect& rc, const PixelTest& fnTest) const {
    for (int y = rc.top; y < rc.bottom; ++y)
        if (Count(CRect(rc.left, y, rc.right, y + 1), fnTest) > 0)
            return y;
    return std::nullopt;
}

std::optional<int> CPixelScan::BottomRow(const CRect& rc, const PixelTest& fnTest) const {
    for (int y = rc.bottom - 1; y >= rc.top; --y)
        if (Count(CRect(rc.left, y, rc.right, y + 1), fnTest) > 0)
            return y;
    return std::nullopt;
}

std::optional<int> CPixelScan::ColumnOfTop(const CRect& rc, const PixelTest& fnTest) const {
    const std::optional<int> y = TopRow(rc, fnTest);
    if (!y)
        return std::nullopt;
    for (int x = rc.left; x < rc.right; ++x)
        if (fnTest(At(x, *y)))
            return x;
    return std::nullopt;
}
