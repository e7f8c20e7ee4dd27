#pragma once

#include "CViewHarness.h"

#include "platform/CRect.h"
#include "platform/ColorRef.h"

#include <set>
#include <string>
#include <utility>

using PixelSet = std::set<std::pair<int, int>>;

// The pixels of a region painted exactly in one colour.
PixelSet PixelsOfColor(const QImage& image, const CRect& rcRegion, COLORREF cr);

// Writes a band label as the displays must: in its display's font (cell height 4 mm, "Times New
// Roman") and colour, its cell's top-left corner at (x, y), without a background box.
void DrawExpectedLabel(QImage& image, const std::string& strText, int x, int y, int nPixelsPerMm,
                       COLORREF cr);

// The same pixels in a region of both images.
bool SameRegion(const QImage& image1, const QImage& image2, const CRect& rcRegion);

// True when column x holds colour cr at row y and at neither neighbouring row: a one-pixel
// trace or line passes exactly there.
bool IsLineAt(const CViewHarness& harness, int x, int y, COLORREF cr);
