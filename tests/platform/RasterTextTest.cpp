#include "PixelArt.h"
#include "TestCaseName.h"

#include "platform/CRasterDC.h"
#include "platform/CTextDrawer.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

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

struct SLabelCase {
    const char* m_pszName;
    const char* m_pszText;
    LOGFONT m_lf;
    std::vector<CPoint> m_aPlaces;
};

// A striped page, so that any pixel a label leaves alone or overwrites shows.
QImage StripedCanvas() {
    QImage image = BlankCanvas(90, 50);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x + y) % 4 < 2 ? qRgb(200, 220, 240) : qRgb(250, 240, 200));
    return image;
}

class RasterLabelTest : public testing::TestWithParam<SLabelCase> {};

// Labels written over their own box again and again are copied from a finished cell; the
// pixels must stay those of writing each label afresh, also where glyphs overhang the box or the
// image's edge cuts the label.
TEST_P(RasterLabelTest, RepeatedOpaqueLabelsMatchLabelsWrittenAfresh) {
    const SLabelCase& label = GetParam();
    QImage copied = StripedCanvas();
    {
        CRasterDC dc(copied);
        dc.SelectFont(CFont(label.m_lf));
        dc.SetTextColor(RGB(0, 0, 255));
        dc.SetBkColor(RGB(255, 255, 255));
        for (const CPoint& pt : label.m_aPlaces)
            dc.TextOut(pt.x, pt.y, label.m_pszText);
    }
    QImage written = StripedCanvas();
    QImage state = BlankCanvas(1, 1);
    CRasterDC stateDC(state);
    stateDC.SelectFont(CFont(label.m_lf));
    stateDC.SetTextColor(RGB(0, 0, 255));
    stateDC.SetBkColor(RGB(255, 255, 255));
    CTextDrawer drawer(written);
    for (const CPoint& pt : label.m_aPlaces) {
        QPainter painter(&written);
        drawer.Draw(painter, stateDC, pt, label.m_pszText);
    }
    EXPECT_EQ(copied, written);
    EXPECT_NE(copied, StripedCanvas());
}

LOGFONT LabelFont(int nHeight, const char* pszFace, bool bItalic = false) {
    return {.lfHeight = nHeight, .lfItalic = bItalic, .lfPitchAndFamily = FF_SWISS, .lfFaceName = pszFace};
}

INSTANTIATE_TEST_SUITE_P(
    Labels, RasterLabelTest,
    testing::Values(
        SLabelCase{"EventMarks", "V", LabelFont(13, "Arial"), {{2, 2}, {20, 2}, {20, 30}, {40, 30}, {60, 2}}},
        SLabelCase{"Overlapping", "Vf", LabelFont(13, "Arial"), {{10, 10}, {14, 12}, {18, 14}, {22, 16}}},
        SLabelCase{
            "CutByTheEdges", "S", LabelFont(13, "Arial"), {{30, 20}, {50, 20}, {-4, 5}, {85, 40}, {40, -6}}},
        SLabelCase{"OverhangingItalic",
                   "ff",
                   LabelFont(40, "Times New Roman", true),
                   {{5, 0}, {40, 4}, {20, 10}, {50, 12}}},
        SLabelCase{
            "Japanese", "詳細", LabelFont(16, "ＭＳ Ｐゴシック"), {{3, 3}, {3, 25}, {40, 3}, {40, 25}}}),
    TestCaseName());

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
