#include "PixelArt.h"

#include "platform/CRasterDC.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF g_crYellow = RGB(255, 255, 192);

CFont MakeFont(int nHeight, const char* pszFace, int nWeight = FW_NORMAL) {
    return CFont(LOGFONT{.lfHeight = nHeight,
                         .lfWeight = nWeight,
                         .lfCharSet = ANSI_CHARSET,
                         .lfPitchAndFamily = FF_SWISS,
                         .lfFaceName = pszFace});
}

CSize ExtentIn(const char* pszFace, const std::string& strText, int nHeight = 16) {
    QImage image = BlankCanvas();
    CRasterDC dc(image);
    dc.SelectFont(MakeFont(nHeight, pszFace));
    return dc.GetTextExtent(strText);
}

struct SInkCount {
    int nInBox = 0;
    int nBackground = 0;
    int nOutside = 0;
};

// Pixels that are not white, inside and outside the box, and the box's pixels in the background colour.
SInkCount CountInk(const QImage& image, const CRect& rcBox, COLORREF crBk) {
    SInkCount count;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb nPixel = image.pixel(x, y);
            if (!rcBox.PtInRect({x, y})) {
                count.nOutside += nPixel != 0xFFFFFFFF ? 1 : 0;
            } else if (nPixel == qRgb(GetRValue(crBk), GetGValue(crBk), GetBValue(crBk))) {
                ++count.nBackground;
            } else {
                ++count.nInBox;
            }
        }
    }
    return count;
}

TEST(RasterTextTest, OpaqueTextFillsItsExtentBoxAtTheTopLeft) {
    QImage image = BlankCanvas(80, 40);
    CRasterDC dc(image);
    dc.SelectFont(MakeFont(16, "Times New Roman"));
    dc.SetBkColor(g_crYellow);
    dc.SetWindowOrg(-4, -2);
    dc.TextOut(6, 9, "HR:72");
    const CSize size = dc.GetTextExtent("HR:72");
    const CRect rcBox(CPoint(10, 11), size);
    const SInkCount count = CountInk(image, rcBox, g_crYellow);
    EXPECT_EQ(count.nOutside, 0);
    EXPECT_GT(count.nInBox, 0);
    EXPECT_EQ(count.nInBox + count.nBackground, size.cx * size.cy);
}

TEST(RasterTextTest, TransparentTextLeavesTheBackground) {
    QImage image = BlankCanvas(80, 40);
    CRasterDC dc(image);
    dc.SelectFont(MakeFont(16, "Arial"));
    dc.SetBkColor(g_crYellow);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 255));
    dc.TextOut(3, 3, "V1");
    const SInkCount count = CountInk(image, CRect(CPoint(3, 3), dc.GetTextExtent("V1")), g_crYellow);
    EXPECT_EQ(count.nBackground, 0);
    EXPECT_GT(count.nInBox, 0);
    EXPECT_EQ(count.nOutside, 0);
    EXPECT_EQ(image.pixel(3, 3), 0xFFFFFFFF);
}

TEST(RasterTextTest, HeightIsTheCellWhenPositiveAndTheCharacterWhenNegative) {
    EXPECT_NEAR(ExtentIn("Arial", "aVF").cy, 16, 1);
    EXPECT_NEAR(ExtentIn("Times New Roman", "aVF").cy, 16, 1);
    EXPECT_GT(ExtentIn("Arial", "aVF", -16).cy, 16);
}

// The program's faces must come out as the metric-compatible fonts, in any letter case.
TEST(RasterTextTest, FacesMapToTheInstalledCompatibleFonts) {
    const std::string strLatin = "00:01:00 Vf";
    EXPECT_EQ(ExtentIn("Arial", strLatin), ExtentIn("Liberation Sans", strLatin));
    EXPECT_EQ(ExtentIn("arial", strLatin), ExtentIn("Liberation Sans", strLatin));
    EXPECT_EQ(ExtentIn("Times New Roman", strLatin), ExtentIn("Liberation Serif", strLatin));
    EXPECT_NE(ExtentIn("Arial", strLatin), ExtentIn("Times New Roman", strLatin));
    const std::string strJapanese = "詳細波形";
    EXPECT_EQ(ExtentIn("ＭＳ Ｐゴシック", strJapanese), ExtentIn("IPAPGothic", strJapanese));
}

TEST(RasterTextTest, TextIsNotInverted) {
    QImage image = BlankCanvas(40, 20);
    CRasterDC dc(image);
    dc.SetROP2(R2_NOT);
    dc.SetBkColor(RGB(255, 0, 0));
    dc.TextOut(0, 0, "N");
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
}

QImage DrawScene() {
    QImage image = BlankCanvas(120, 60);
    CRasterDC dc(image);
    dc.SelectFont(MakeFont(20, "Arial", FW_BOLD));
    dc.SelectPen(CPen(3, RGB(0, 128, 0)));
    dc.MoveTo(0, 59);
    dc.LineTo(119, 3);
    dc.FrameRect({5, 5, 60, 30}, RGB(0, 0, 0));
    dc.SetTextColor(RGB(0, 0, 255));
    dc.TextOut(8, 8, "N V S ?");
    dc.SelectFont(MakeFont(16, "ＭＳ Ｐゴシック"));
    dc.TextOut(10, 35, "詳細波形");
    return image;
}

TEST(RasterTextTest, DrawingIsDeterministic) {
    EXPECT_EQ(DrawScene(), DrawScene());
    EXPECT_NE(DrawScene(), BlankCanvas(120, 60));
}

} // namespace
