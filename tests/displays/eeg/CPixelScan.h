#pragma once

#include "platform/CRect.h"
#include "platform/ColorRef.h"

#include <QImage>

#include <functional>
#include <optional>

using PixelTest = std::function<bool(COLORREF)>;

// Rows and counts of the pixels of a painted image that pass a colour test, inside a rectangle.
class CPixelScan {
public:
    explicit CPixelScan(const QImage& image) : m_image(image) {}

    int Count(const CRect& rc, const PixelTest& fnTest) const;
    std::optional<int> TopRow(const CRect& rc, const PixelTest& fnTest) const;
    std::optional<int> BottomRow(const CRect& rc, const PixelTest& fnTest) const;
    // The column of the topmost passing pixel, the leftmost on a tie.
    std::optional<int> ColumnOfTop(const CRect& rc, const PixelTest& fnTest) const;
    COLORREF At(int x, int y) const;

private:
    const QImage& m_image;
};
