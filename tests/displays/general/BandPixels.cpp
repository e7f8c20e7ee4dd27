#include "BandPixels.h"

#include "platform/CRasterDC.h"

PixelSet PixelsOfColor(const QImage& image, const CRect& rcRegion, COLORREF cr) {
    PixelSet pixels;
    for (int y = rcRegion.top; y < rcRegion.bottom; ++y)
        for (int x = rcRegion.left; x < rcRegion.right; ++x) {
            const QRgb rgb = image.pixel(x, y);
            if (RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)) == cr)
                pixels.insert({x, y});
        }
    return pixels;
}

void DrawExpectedLabel(QImage& image, const std::string& strText, int x, int y, int nPixelsPerMm,
                       COLORREF cr) {
    CRasterDC dc(image);
    dc.SelectFont(CFont(LOGFONT{.lfHeight = 4 * nPixelsPerMm,
                                .lfWeight = FW_NORMAL,
                                .lfCharSet = ANSI_CHARSET,
                                .lfPitchAndFamily = FF_SWISS,
                                .lfFaceName = "Times New Roman"}));
    dc.SetTextColor(cr);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(x, y, strText);
}

bool SameRegion(const QImage& image1, const QImage& image2, const CRect& rcRegion) {
    const QRect rect(rcRegion.left, rcRegion.top, rcRegion.Width(), rcRegion.Height());
    return image1.copy(rect) == image2.copy(rect);
}

bool IsLineAt(const CViewHarness& harness, int x, int y, COLORREF cr) {
    return harness.Pixel(x, y) == cr && harness.Pixel(x, y - 1) != cr && harness.Pixel(x, y + 1) != cr;
}
