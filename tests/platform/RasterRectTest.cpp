#include "PixelArt.h"

#include "platform/CRasterDC.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Picture = std::vector<std::string>;

struct SRectCase {
    const char* pszName;
    CRect rect;
    Picture picture;
};

Picture Frame(const CRect& rect, int nRop) {
    QImage image = BlankCanvas();
    CRasterDC dc(image);
    dc.SetROP2(nRop);
    dc.FrameRect(rect, RGB(0, 0, 0));
    return PixelArt(image);
}

const std::vector<SRectCase> g_aFrames{
    {"5 x 4",
     {1, 1, 6, 5},
     {"..........", ".#####....", ".#...#....", ".#...#....", ".#####....", "..........", "..........",
      "..........", "..........", ".........."}},
    {"one pixel wide",
     {3, 2, 4, 7},
     {"..........", "..........", "...#......", "...#......", "...#......", "...#......", "...#......",
      "..........", "..........", ".........."}},
    {"one pixel high",
     {2, 5, 8, 6},
     {"..........", "..........", "..........", "..........", "..........", "..######..", "..........",
      "..........", "..........", ".........."}},
    {"2 x 2",
     {2, 2, 4, 4},
     {"..........", "..........", "..##......", "..##......", "..........", "..........", "..........",
      "..........", "..........", ".........."}},
    {"inverted",
     {6, 5, 1, 1},
     {"..........", "..........", "..........", "..........", "..........", "..........", "..........",
      "..........", "..........", ".........."}},
    {"past the edges",
     {7, -3, 12, 3},
     {".......#..", ".......#..", ".......###", "..........", "..........", "..........", "..........",
      "..........", "..........", ".........."}},
};

TEST(RasterRectTest, FrameRectDrawsTheBorderJustInside) {
    for (const SRectCase& frame : g_aFrames) {
        SCOPED_TRACE(frame.pszName);
        EXPECT_EQ(Frame(frame.rect, R2_COPYPEN), frame.picture);
        EXPECT_EQ(Frame(frame.rect, R2_NOT), frame.picture);
    }
}

TEST(RasterRectTest, FillRectLeavesOutTheRightAndBottomEdges) {
    const Picture expected{"..........", "..........", "..........", "..RRR.....", "..RRR.....",
                           "..RRR.....", "..........", "..........", "..........", ".........."};
    QImage image = BlankCanvas();
    CRasterDC dc(image);
    dc.FillRect({2, 3, 5, 6}, RGB(255, 0, 0));
    dc.FillRect({5, 6, 2, 3}, RGB(0, 0, 0));
    dc.FillRect({4, 4, 4, 8}, RGB(0, 0, 0));
    EXPECT_EQ(PixelArt(image), expected);
}

TEST(RasterRectTest, InvertingInvertsTheColourOnceAndTwiceRestores) {
    const Picture inverted{"..........", ".#######..", ".#CCCCC#..", ".#CCCCC#..", ".#######..",
                           "..........", "..........", "..........", "..........", ".........."};
    QImage image = BlankCanvas();
    CRasterDC dc(image);
    dc.FillRect({2, 2, 7, 4}, RGB(255, 0, 0));
    const QImage original = image.copy();
    dc.SetROP2(R2_NOT);
    dc.FillRect({1, 1, 8, 5}, RGB(0, 255, 0));
    EXPECT_EQ(PixelArt(image), inverted);
    dc.FillRect({1, 1, 8, 5}, RGB(0, 255, 0));
    EXPECT_EQ(image, original);
}

} // namespace
