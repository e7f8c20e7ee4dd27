#include "PixelArt.h"

#include "platform/CRasterDC.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <vector>

namespace {

using Picture = std::vector<std::string>;

struct SLineCase {
    const char* pszName;
    CPoint ptFrom;
    CPoint ptTo;
    int nWidth;
    Picture picture;
};

Picture DrawLine(const SLineCase& line, int nRop) {
    QImage image = BlankCanvas();
    CRasterDC dc(image);
    dc.SelectPen(CPen(line.nWidth, RGB(0, 0, 0)));
    dc.SetROP2(nRop);
    dc.MoveTo(line.ptFrom);
    dc.LineTo(line.ptTo);
    return PixelArt(image);
}

const std::vector<SLineCase> g_aLines{
    {"horizontal, end point left out",
     {1, 2},
     {6, 2},
     1,
     {"..........", "..........", ".#####....", "..........", "..........", "..........", "..........",
      "..........", "..........", ".........."}},
    {"vertical upwards",
     {4, 5},
     {4, 1},
     1,
     {"..........", "..........", "....#.....", "....#.....", "....#.....", "....#.....", "..........",
      "..........", "..........", ".........."}},
    {"diagonal",
     {1, 1},
     {5, 5},
     1,
     {"..........", ".#........", "..#.......", "...#......", "....#.....", "..........", "..........",
      "..........", "..........", ".........."}},
    {"shallow, halves rounded away from the start",
     {0, 0},
     {8, 2},
     1,
     {"##........", "..####....", "......##..", "..........", "..........", "..........", "..........",
      "..........", "..........", ".........."}},
    {"zero length",
     {3, 3},
     {3, 3},
     1,
     {"..........", "..........", "..........", "..........", "..........", "..........", "..........",
      "..........", "..........", ".........."}},
    {"3-pixel pen",
     {2, 4},
     {7, 4},
     3,
     {"..........", "..........", "..........", ".#######..", ".#######..", ".#######..", "..........",
      "..........", "..........", ".........."}},
    {"6-pixel pen",
     {3, 5},
     {6, 5},
     6,
     {"..........", "..........", "########..", "########..", "########..", "########..", "########..",
      "########..", "..........", ".........."}},
    {"3-pixel pen, steep",
     {4, 1},
     {6, 7},
     3,
     {"...###....", "...###....", "...####...", "...####...", "....###...", "....####..", "....####..",
      ".....###..", "..........", ".........."}},
};

TEST(RasterLineTest, DrawsTheExpectedPixels) {
    for (const SLineCase& line : g_aLines) {
        SCOPED_TRACE(line.pszName);
        EXPECT_EQ(DrawLine(line, R2_COPYPEN), line.picture);
    }
}

// Inverting white gives black, so a pixel inverted twice within one line would show as a hole.
TEST(RasterLineTest, InvertingTouchesEachPixelOnce) {
    const std::array<std::pair<CPoint, CPoint>, 5> aEnds{{
        {{1, 1}, {8, 6}},
        {{8, 1}, {2, 8}},
        {{5, 9}, {5, 0}},
        {{0, 7}, {9, 2}},
        {{2, 2}, {7, 7}},
    }};
    for (const int nWidth : {1, 3, 6}) {
        for (const auto& [ptFrom, ptTo] : aEnds) {
            const SLineCase line{"", ptFrom, ptTo, nWidth, {}};
            SCOPED_TRACE(testing::Message() << "width " << nWidth << " from " << ptFrom.x << "," << ptFrom.y);
            EXPECT_EQ(DrawLine(line, R2_NOT), DrawLine(line, R2_COPYPEN));
        }
    }
}

TEST(RasterLineTest, InvertingTwiceRestoresTheImage) {
    QImage image = BlankCanvas();
    CRasterDC dc(image);
    dc.FillRect({2, 2, 8, 8}, RGB(255, 0, 0));
    const QImage original = image.copy();
    dc.SetROP2(R2_NOT);
    for (int nPass = 0; nPass < 2; ++nPass) {
        for (const int nWidth : {1, 3, 6}) {
            dc.SelectPen(CPen(nWidth, RGB(0, 0, 255)));
            dc.MoveTo(0, 9);
            dc.LineTo(9, 1);
        }
    }
    EXPECT_EQ(image, original);
}

// The context keeps its own copy of a selected pen, so the pen may be deleted while selected.
TEST(RasterLineTest, SelectingReturnsThePreviousPenAndRefusesOneWithoutAHandle) {
    const Picture expected{"RRR.......", "###.......", "..........", "..........", "..........",
                           "..........", "..........", "..........", "..........", ".........."};
    QImage image = BlankCanvas();
    CRasterDC dc(image);
    CPen penRed(1, RGB(255, 0, 0));
    const CPen penOld = dc.SelectPen(penRed);
    penRed.DeleteObject();
    EXPECT_FALSE(dc.SelectPen(CPen()).IsCreated());
    dc.MoveTo(0, 0);
    dc.LineTo(3, 0);
    dc.SelectPen(penOld);
    dc.MoveTo(0, 1);
    dc.LineTo(3, 1);
    EXPECT_EQ(PixelArt(image), expected);
}

TEST(RasterLineTest, PolylinePaintsEachJointOnce) {
    const Picture expected{"..........", ".######...", "......#...", "......#...", "......#...",
                           "......#...", "..#####...", "..........", "..........", ".........."};
    QImage image = BlankCanvas();
    CRasterDC dc(image);
    dc.SetROP2(R2_NOT);
    dc.MoveTo(1, 1);
    const std::array<CPoint, 3> aPoints{{{6, 1}, {6, 6}, {1, 6}}};
    dc.PolylineTo(aPoints);
    EXPECT_EQ(PixelArt(image), expected);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(1, 6));
}

TEST(RasterLineTest, WindowOriginShiftsTheDrawing) {
    const Picture expected{"#####.....", "..........", ".##.......", ".##.......", "..........",
                           "..........", "..........", "..........", "..........", ".........."};
    QImage image = BlankCanvas();
    CRasterDC dc(image);
    EXPECT_EQ(dc.SetWindowOrg(3, 2), CPoint(0, 0));
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(3, 2));
    dc.MoveTo(3, 2);
    dc.LineTo(8, 2);
    dc.FillRect({4, 4, 6, 6}, RGB(0, 0, 0));
    EXPECT_EQ(PixelArt(image), expected);
}

TEST(RasterLineTest, FarEndPointsAreClippedToTheImage) {
    const Picture expected{"B.........", ".B........", "..B.......", "...B......", "....B.....",
                           "#####B####", "......B...", ".......B..", "........B.", ".........B"};
    QImage image = BlankCanvas();
    CRasterDC dc(image);
    dc.MoveTo(-2'000'000'000, 5);
    dc.LineTo(2'000'000'000, 5);
    dc.SetWindowOrg(-3, -3);
    dc.SelectPen(CPen(1, RGB(0, 0, 255)));
    dc.MoveTo(INT_MIN, INT_MIN);
    dc.LineTo(INT_MAX, INT_MAX);
    EXPECT_EQ(PixelArt(image), expected);
}

} // namespace
