#include "displays/ecg12/CSmoothLineDrawer.h"
#include "platform/CRasterDC.h"

#include "TestCaseName.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr int GREY_STEP = 16;

COLORREF Grey(int nLevel) {
    return RGB(GREY_STEP * nLevel, GREY_STEP * nLevel, GREY_STEP * nLevel);
}

class CSmoothCanvas {
public:
    CSmoothCanvas() : m_image(CRasterDC::CreateImage(CSize(64, 80), WHITE)), m_dc(m_image) {
        m_drawer.CreateSmoothPens();
    }
    COLORREF Pixel(int x, int y) const {
        const QRgb rgb = m_image.pixel(x, y);
        return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }
    int CountInk() const {
        int nInk = 0;
        for (int y = 0; y < m_image.height(); ++y)
            for (int x = 0; x < m_image.width(); ++x)
                nInk += Pixel(x, y) != WHITE ? 1 : 0;
        return nInk;
    }
    void Step(int x0, int y0, int x1, int y1) { m_drawer.DrawSmoothLine(&m_dc, x0, y0, x1, y1); }
    // A level trace at row y from column x0, nSteps columns long.
    void Flat(int x0, int y, int nSteps) {
        for (int i = 0; i < nSteps; ++i)
            Step(x0 + i, y, x0 + i + 1, y);
    }
    CSmoothLineDrawer& Drawer() { return m_drawer; }
    CDC* DC() { return &m_dc; }

private:
    QImage m_image;
    CRasterDC m_dc;
    CSmoothLineDrawer m_drawer;
};

struct SlopeCase {
    const char* m_pszName;
    int m_nDy;
    // Shades of the stroke in each column, from the column's far end to its own point.
    std::vector<int> m_anLevels;
};

class CSmoothSlopeTest : public testing::TestWithParam<SlopeCase> {};

TEST_P(CSmoothSlopeTest, EachColumnFadesFromTheOtherPointToItsOwn) {
    const SlopeCase& c = GetParam();
    constexpr int x0 = 10;
    constexpr int y0 = 40;
    const int y1 = y0 + c.m_nDy;
    const int nDir = c.m_nDy > 0 ? 1 : -1;
    CSmoothCanvas canvas;
    canvas.Step(x0, y0, x0 + 1, y1);
    const int nRows = static_cast<int>(c.m_anLevels.size());
    for (int k = 0; k < nRows; ++k) {
        EXPECT_EQ(canvas.Pixel(x0, y1 - nDir * k), Grey(c.m_anLevels[static_cast<size_t>(k)])) << k;
        EXPECT_EQ(canvas.Pixel(x0 + 1, y0 + nDir * k), Grey(c.m_anLevels[static_cast<size_t>(k)])) << k;
    }
    // Nothing beyond either point.
    EXPECT_EQ(canvas.Pixel(x0, y0 - nDir), WHITE);
    EXPECT_EQ(canvas.Pixel(x0 + 1, y1 + nDir), WHITE);
    EXPECT_EQ(canvas.CountInk(), 2 * nRows);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CSmoothSlopeTest,
    testing::Values(SlopeCase{"DownOne", 1, {6, 0}}, SlopeCase{"UpOne", -1, {6, 0}},
                    SlopeCase{"DownTwo", 2, {9, 3, 0}}, SlopeCase{"UpFive", -5, {12, 9, 6, 3, 0, 0}},
                    SlopeCase{"DownFifteen", 15, {13, 11, 9, 7, 5, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                    SlopeCase{"DownSixteen", 16, {14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 0}},
                    SlopeCase{"UpThirtyTwo", -32, {14, 14, 13, 13, 12, 12, 11, 11, 10, 10, 9,
                                                   9,  8,  8,  7,  7,  6,  6,  5,  5,  4,  4,
                                                   3,  3,  2,  2,  1,  1,  0,  0,  0,  0,  0}}),
    TestCaseName());

TEST(CSmoothLineDrawerTest, LevelRunHoldsSixteenStepsThenTrailsOneBlackPixelPerStep) {
    constexpr int y = 30;
    CSmoothCanvas canvas;
    canvas.Flat(0, y, 16);
    EXPECT_EQ(canvas.CountInk(), 0);
    canvas.Flat(16, y, 1);
    EXPECT_EQ(canvas.CountInk(), 1);
    EXPECT_EQ(canvas.Pixel(1, y), Grey(0));
    canvas.Flat(17, y, 3);
    // The ink stays 16 columns behind the newest point (20).
    EXPECT_EQ(canvas.Pixel(4, y), Grey(0));
    EXPECT_EQ(canvas.Pixel(5, y), WHITE);
    EXPECT_EQ(canvas.CountInk(), 4);
}

TEST(CSmoothLineDrawerTest, LevelRunAfterASlopeCrossFadesOntoTheNeighbouringRow) {
    constexpr int y = 30;
    CSmoothCanvas canvas;
    canvas.Step(0, y - 3, 1, y);
    const int nSlopeInk = canvas.CountInk();
    canvas.Flat(1, y, 16);
    EXPECT_EQ(canvas.CountInk(), nSlopeInk);
    canvas.Flat(17, y, 1);
    // The run began at column 2; it fades out along its own row and in on the row above, ending at 18.
    for (int j = 0; j < 16; ++j) {
        EXPECT_EQ(canvas.Pixel(2 + j, y), Grey(j)) << j;
        EXPECT_EQ(canvas.Pixel(18 - j, y - 1), Grey(j)) << j;
    }
    EXPECT_EQ(canvas.CountInk(), nSlopeInk + 32);
}

TEST(CSmoothLineDrawerTest, SlopeAfterAShortRunClosesTheRunTowardTheSlope) {
    constexpr int y = 30;
    CSmoothCanvas canvas;
    canvas.Flat(0, y, 3);
    canvas.Step(3, y, 4, y + 20);
    // The run of three began at column 1; the slope goes down, so the fade-in is one row below.
    // The slope's own strokes cover columns 3 and 4.
    EXPECT_EQ(canvas.Pixel(1, y), Grey(0));
    EXPECT_EQ(canvas.Pixel(2, y), Grey(1));
    EXPECT_EQ(canvas.Pixel(2, y + 1), Grey(2));
    EXPECT_EQ(canvas.Pixel(1, y + 1), WHITE);
    EXPECT_EQ(canvas.Pixel(2, y - 1), WHITE);
}

TEST(CSmoothLineDrawerTest, FlushDrawsThePendingRunOnceAndNewPensForgetIt) {
    constexpr int y = 30;
    CSmoothCanvas canvas;
    canvas.Flat(0, y, 4);
    canvas.Drawer().FlushSmoothLine(canvas.DC(), 4, y - 10);
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(canvas.Pixel(1 + j, y), Grey(j)) << j;
        EXPECT_EQ(canvas.Pixel(4 - j, y - 1), Grey(j)) << j;
    }
    const int nInk = canvas.CountInk();
    canvas.Drawer().FlushSmoothLine(canvas.DC(), 4, y - 10);
    EXPECT_EQ(canvas.CountInk(), nInk);

    canvas.Flat(20, y + 20, 5);
    canvas.Drawer().CreateSmoothPens();
    canvas.Drawer().FlushSmoothLine(canvas.DC(), 25, y);
    EXPECT_EQ(canvas.CountInk(), nInk);
}

TEST(CSmoothLineDrawerTest, PensFollowTheRampGiven) {
    SmoothRamp acrRed{};
    for (size_t k = 0; k < acrRed.size(); ++k)
        acrRed[k] = RGB(255 - static_cast<int>(k) * 8, 0, 0);
    CSmoothCanvas canvas;
    canvas.Drawer().CreateSmoothPens(acrRed);
    canvas.Step(10, 40, 11, 41);
    EXPECT_EQ(canvas.Pixel(10, 41), acrRed[6]);
    EXPECT_EQ(canvas.Pixel(10, 40), acrRed[0]);
}

} // namespace
