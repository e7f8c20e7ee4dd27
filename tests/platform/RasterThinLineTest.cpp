#include "platform/CLineRaster.h"
#include "platform/CRasterDC.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr int g_nSize = 12;
constexpr COLORREF g_crInk = RGB(0, 0, 0);
constexpr QRgb g_nPaper = 0xFFFFFFFF;
constexpr QRgb g_nInk = 0xFF000000;

// What the general rasteriser covers, painted span by span.
QImage Expected(CPoint ptFrom, CPoint ptTo) {
    QImage image = CRasterDC::CreateImage(CSize(g_nSize, g_nSize), RGB(255, 255, 255));
    CLineRaster(ptFrom, ptTo, 1).ForEachSpan(CRect(0, 0, g_nSize, g_nSize), [&](const CRect& rc) {
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                image.setPixel(x, y, g_nInk);
    });
    return image;
}

QImage Drawn(CPoint ptFrom, CPoint ptTo, int nRop) {
    QImage image = CRasterDC::CreateImage(CSize(g_nSize, g_nSize), RGB(255, 255, 255));
    CRasterDC dc(image);
    dc.SelectPen(CPen(1, g_crInk));
    dc.SetROP2(nRop);
    dc.MoveTo(ptFrom);
    dc.LineTo(ptTo);
    return image;
}

TEST(RasterThinLineTest, EveryShortLinePaintsTheRasterisersPixels) {
    // Every direction and length around a start inside the image and one outside it, clipped at
    // the edges: rows, columns and one-pixel steps take the direct fill, the rest the stepping.
    for (const CPoint ptFrom : {CPoint(5, 6), CPoint(-2, 3)}) {
        for (int y = -6; y < g_nSize + 6; ++y) {
            for (int x = -6; x < g_nSize + 6; ++x) {
                const CPoint ptTo(x, y);
                SCOPED_TRACE(testing::Message()
                             << "(" << ptFrom.x << "," << ptFrom.y << ") to (" << x << "," << y << ")");
                const QImage expected = Expected(ptFrom, ptTo);
                ASSERT_EQ(Drawn(ptFrom, ptTo, R2_COPYPEN), expected);
                // Inverting touches each pixel once, so it leaves the same pixels dark.
                ASSERT_EQ(Drawn(ptFrom, ptTo, R2_NOT), expected);
            }
        }
    }
}

TEST(RasterThinLineTest, FarEndsOfRowsAndSteepStepsAreClipped) {
    const QImage row = Drawn(CPoint(INT_MIN, 4), CPoint(INT_MAX, 4), R2_COPYPEN);
    for (int x = 0; x < g_nSize; ++x)
        EXPECT_EQ(row.pixel(x, 4), g_nInk) << x;
    EXPECT_EQ(row.pixel(3, 3), g_nPaper);
    // Down a whole column and one over halfway: the lower half lies in the next column.
    const QImage step = Drawn(CPoint(3, INT_MIN), CPoint(4, INT_MAX), R2_COPYPEN);
    EXPECT_EQ(step.pixel(3, 0), g_nPaper);
    EXPECT_EQ(step.pixel(4, 0), g_nInk);
}

} // namespace
