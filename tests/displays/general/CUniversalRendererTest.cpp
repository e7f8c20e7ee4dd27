#include "BandPixels.h"
#include "BandRecording.h"
#include "CViewHarness.h"
#include "TestCaseName.h"

#include "displays/general/CUniversalRenderer.h"
#include "platform/CRasterDC.h"

#include <gtest/gtest.h>

namespace {

// Standard scale: 4 pixels per millimetre, grid origin (12 mm, 5 mm), bands of 20 mm.
constexpr int s = 4;
constexpr int ox = 12 * s;
constexpr int oy = 5 * s;
constexpr COLORREF g_crWhite = RGB(255, 255, 255);
constexpr COLORREF g_crBlack = RGB(0, 0, 0);

int Baseline(int nChannel) {
    return oy + 20 * s * (nChannel + 1);
}

BandRecording ConstantChannels(int nChannels, int16_t nValue, int nSamples, uint32_t nIntervalUs = 1000) {
    BandRecording rec;
    rec.nIntervalUs = nIntervalUs;
    for (int c = 0; c < nChannels; ++c)
        rec.aChannels.push_back({0, ConstantSamples(nValue, nSamples)});
    return rec;
}

void SetRuler(CViewHarness& harness, int nScaleWidth) {
    harness.Profile().WriteProfileInt("Universal", "ScaleWidth", nScaleWidth);
}

// ---- Extent --------------------------------------------------------------------------------

struct ExtentCase {
    const char* m_pszName;
    int nChannels;
    int nSamples;
    uint32_t nIntervalUs;
    int nScaleWidth;
    int nTimeScale;
    CRect rcExpected;
};

class UniversalExtentTest : public testing::TestWithParam<ExtentCase> {};

TEST_P(UniversalExtentTest, CoversTheRecordingPlusMargins) {
    const ExtentCase& c = GetParam();
    CViewHarness harness;
    SetRuler(harness, c.nScaleWidth);
    ASSERT_TRUE(harness.Open(ConstantChannels(c.nChannels, 0, c.nSamples, c.nIntervalUs).Build()));
    harness.Settings().m_nTimeScale = c.nTimeScale;
    harness.Paint();
    EXPECT_EQ(harness.View().GetExtent(), c.rcExpected);
}

// 10 s is 250 mm; the ruler adds the origin to the width and twice the origin to the height, and
// rounds a partly filled millimetre up by five.
INSTANTIATE_TEST_SUITE_P(
    Recordings, UniversalExtentTest,
    testing::Values(ExtentCase{"Grid10s", 3, 10000, 1000, 0, 6, {0, 0, 1020, 320}},
                    ExtentCase{"Ruler10s", 3, 10000, 1000, 1, 6, {0, 0, 1068, 360}},
                    ExtentCase{"Grid10001ms", 3, 10001, 1000, 0, 6, {0, 0, 1024, 320}},
                    ExtentCase{"Ruler10001ms", 3, 10001, 1000, 1, 6, {0, 0, 1088, 360}},
                    ExtentCase{"GridZoomedToScale10", 3, 10000, 1000, 0, 10, {0, 0, 2040, 640}},
                    // 86 400 s in microseconds does not fit 32 bits.
                    ExtentCase{"Grid24Hours", 1, 86400, 1000000, 0, 6, {0, 0, 8640020, 160}},
                    ExtentCase{"Ruler24Hours", 1, 86400, 1000000, 1, 6, {0, 0, 8640068, 200}}),
    TestCaseName());

// ---- Band geometry and labels ----------------------------------------------------------------

TEST(UniversalGeometryTest, BaselinesLieAtTheLowerEdgeOfEachBand) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(ConstantChannels(3, 0, 10000).Build()));
    harness.Paint();
    for (int c = 0; c < 3; ++c)
        EXPECT_TRUE(IsLineAt(harness, ox + 200, Baseline(c), g_crWhite)) << "channel " << c;
    EXPECT_EQ(Baseline(2), 260);
}

TEST(UniversalGeometryTest, LabelsSitFiveMillimetresInAndFifteenAboveTheBaseline) {
    BandRecording rec = ConstantChannels(3, 0, 10000);
    rec.aChannels[0].wLeadCode = 62;
    rec.aChannels[2].wLeadCode = 64;
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(rec.Build()));
    const QImage& image = harness.Paint();
    const char* apszLabels[] = {"aVR", "CH:1", "aVF"};
    const int ayTops[] = {40, 120, 200};
    for (int c = 0; c < 3; ++c) {
        const CRect rcBand(ox + 1, ayTops[c] - 10, ox + 80, ayTops[c] + 4 * s);
        // Fully inked pixels are white whatever lies under them.
        QImage reference = CRasterDC::CreateImage(CSize(rcBand.right, rcBand.bottom), g_crBlack);
        DrawExpectedLabel(reference, apszLabels[c], 68, ayTops[c], s, g_crWhite);
        const PixelSet expected = PixelsOfColor(reference, rcBand, g_crWhite);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(PixelsOfColor(image, rcBand, g_crWhite), expected) << apszLabels[c];
    }
}

// ---- Amplitude scale -------------------------------------------------------------------------

struct ScaleCase {
    const char* m_pszName;
    int16_t nSample;
    int nSensitivity;
    int nPixelsUp;
};

class UniversalScaleTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(UniversalScaleTest, OneMillivoltIsTenMillimetresAtSensitivityOneLessOnePixel) {
    const ScaleCase& c = GetParam();
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(ConstantChannels(1, c.nSample, 10000).Build()));
    harness.Settings().m_nSensitivity = c.nSensitivity;
    harness.Paint();
    EXPECT_TRUE(IsLineAt(harness, ox + 400, Baseline(0) - c.nPixelsUp, g_crWhite));
}

// 1000 units at 1000 nV are 1 mV: the single-precision factor truncates 40 to 39.
INSTANTIATE_TEST_SUITE_P(Samples, UniversalScaleTest,
                         testing::Values(ScaleCase{"OneMillivolt", 1000, 2, 39},
                                         ScaleCase{"HalfSensitivity", 1000, 1, 19},
                                         ScaleCase{"DoubleSensitivity", 1000, 4, 79},
                                         ScaleCase{"OneUnitMore", 1001, 2, 40},
                                         ScaleCase{"Negative", -1000, 2, -39}),
                         TestCaseName());

// ---- Colours ---------------------------------------------------------------------------------

struct SchemeCase {
    const char* m_pszName;
    int nBackColor;
    COLORREF crFine;
    COLORREF crHeavy;
    COLORREF crPaper;
};

class UniversalSchemeTest : public testing::TestWithParam<SchemeCase> {};

TEST_P(UniversalSchemeTest, PaintsPaperAndGridInTheSchemeColours) {
    const SchemeCase& c = GetParam();
    CViewHarness harness;
    harness.Profile().WriteProfileInt("Universal", "BackColor", c.nBackColor);
    ASSERT_TRUE(harness.Open(ConstantChannels(1, 0, 10000).Build()));
    harness.Paint();
    const int yBetweenRows = oy + 2 * s + 2;
    EXPECT_EQ(harness.Pixel(ox + s, yBetweenRows), c.crFine);
    EXPECT_EQ(harness.Pixel(ox + 5 * s, yBetweenRows), c.crHeavy);
    EXPECT_EQ(harness.Pixel(ox + 5 * s + 2, oy + 5 * s), c.crHeavy);
    EXPECT_EQ(harness.Pixel(ox + 2, yBetweenRows), c.crPaper);
    // Beyond the drawing the paper goes on to the client's edge.
    EXPECT_EQ(harness.Pixel(1200, 1000), c.crPaper);
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, UniversalSchemeTest,
    testing::Values(SchemeCase{"Orange", 0, RGB(255, 220, 128), RGB(255, 192, 96), g_crWhite},
                    SchemeCase{"Green", 1, RGB(164, 255, 164), RGB(64, 220, 64), g_crWhite},
                    SchemeCase{"Grey", 2, RGB(192, 192, 192), RGB(128, 128, 128), g_crWhite},
                    SchemeCase{"Black", 3, RGB(0, 32, 0), RGB(0, 64, 0), g_crBlack},
                    SchemeCase{"UnknownShowsBlack", 7, RGB(0, 32, 0), RGB(0, 64, 0), g_crBlack},
                    SchemeCase{"NegativeShowsBlack", -1, RGB(0, 32, 0), RGB(0, 64, 0), g_crBlack}),
    TestCaseName());

TEST(UniversalColorTest, TraceAndLabelTakeTheWaveColour) {
    constexpr COLORREF crRed = RGB(255, 0, 0);
    CViewHarness harness;
    harness.Profile().WriteProfileInt("Universal", "WaveColor", static_cast<int>(crRed));
    ASSERT_TRUE(harness.Open(ConstantChannels(1, 0, 10000).Build()));
    const QImage& image = harness.Paint();
    EXPECT_TRUE(IsLineAt(harness, ox + 400, Baseline(0), crRed));
    EXPECT_FALSE(PixelsOfColor(image, CRect(68, 40, 120, 56), crRed).empty());
}

// ---- Ruler -----------------------------------------------------------------------------------

struct RulerPixel {
    const char* m_pszName;
    int x;
    int y;
    bool bRuler;
};

class UniversalRulerTest : public testing::TestWithParam<RulerPixel> {};

TEST_P(UniversalRulerTest, DrawsFiveMillimetreLinesWithMillimetreTicks) {
    const RulerPixel& c = GetParam();
    CViewHarness harness;
    SetRuler(harness, 1);
    ASSERT_TRUE(harness.Open(ConstantChannels(1, 0, 10000).Build()));
    harness.Paint();
    EXPECT_EQ(harness.Pixel(c.x, c.y), c.bRuler ? RGB(0, 128, 0) : g_crBlack);
}

// Rows every 5 mm from y = 20; ticks on rows 0, 4 (the baseline, y = 100) and 8 (the last, y = 180).
// Columns every 5 mm from x = 48; ticks on the even ones (x = 48, 88, ...).
INSTANTIATE_TEST_SUITE_P(
    Pixels, UniversalRulerTest,
    testing::Values(
        RulerPixel{"RowLine", 50, 40, true}, RulerPixel{"NoMillimetreRows", 60, 24, false},
        RulerPixel{"TopRowTickBelow", 52, 22, true}, RulerPixel{"TopRowTickEnd", 52, 23, false},
        RulerPixel{"TopRowNothingAbove", 52, 19, false}, RulerPixel{"BaselineTickBelow", 52, 102, true},
        RulerPixel{"BaselineTickAbove", 52, 98, true}, RulerPixel{"BaselineTickEndBelow", 52, 103, false},
        RulerPixel{"BaselineTickEndAbove", 52, 97, false}, RulerPixel{"PlainRowNoTick", 52, 42, false},
        RulerPixel{"LastRowTickAbove", 52, 178, true}, RulerPixel{"LastRowNothingBelow", 52, 181, false},
        RulerPixel{"FirstColumnTickRight", 50, 28, true}, RulerPixel{"FirstColumnNothingLeft", 47, 28, false},
        RulerPixel{"OddColumnLine", 68, 30, true}, RulerPixel{"OddColumnNoTick", 70, 28, false},
        RulerPixel{"EvenColumnTickRight", 90, 28, true}, RulerPixel{"EvenColumnTickLeft", 86, 28, true},
        RulerPixel{"EvenColumnTickEnd", 85, 28, false}),
    TestCaseName());

// ---- Visible width, scrolling and odd channels -----------------------------------------------

TEST(UniversalScrollTest, ScrolledTraceReachesTheWindowsLeftEdgeWithoutAStrayStroke) {
    CViewHarness harness(CSize(1280, 400));
    ASSERT_TRUE(harness.Open(ConstantChannels(1, 1000, 60000).Build()));
    harness.Paint();
    harness.Window().ScrollToPosition(CPoint(2000, 0));
    harness.Paint();
    const int yTrace = Baseline(0) - 39;
    for (int x : {0, 1, 20, 47, 48, 600, 1279})
        EXPECT_TRUE(IsLineAt(harness, x, yTrace, g_crWhite)) << "x " << x;
    EXPECT_TRUE(PixelsOfColor(harness.Image(), CRect(0, yTrace + 2, 1280, 400), g_crWhite).empty());
}

TEST(UniversalScrollTest, TwentyFourHoursScrolledToTheEndStillShowTheTrace) {
    CViewHarness harness(CSize(1280, 200));
    ASSERT_TRUE(harness.Open(ConstantChannels(1, 1000, 86400, 1000000).Build()));
    harness.Paint();
    harness.Window().ScrollToPosition(CPoint(8640020 - 1280, 0));
    harness.Paint();
    EXPECT_EQ(harness.Window().GetScrollPosition().x, 8640020 - 1280);
    EXPECT_TRUE(IsLineAt(harness, 640, Baseline(0) - 39, g_crWhite));
}

TEST(UniversalChannelTest, ChannelWithoutSamplingIntervalKeepsItsLabelButDrawsNoTrace) {
    BandRecording rec = ConstantChannels(2, 1000, 10000);
    rec.nIntervalChannel = 1;
    rec.nChannelIntervalUs = 0;
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(rec.Build()));
    const QImage& image = harness.Paint();
    EXPECT_TRUE(IsLineAt(harness, ox + 400, Baseline(0) - 39, g_crWhite));
    EXPECT_FALSE(PixelsOfColor(image, CRect(68, 120, 120, 136), g_crWhite).empty());
    // Below channel 1's label: neither its trace (39 pixels above y = 180) nor anything else.
    EXPECT_TRUE(PixelsOfColor(image, CRect(ox, 120 + 4 * s, 1280, 1024), g_crWhite).empty());
}

TEST(UniversalChannelTest, WithoutARecordingDrawsNothingAndCoversNothing) {
    CViewHarness harness;
    CUniversalRenderer renderer;
    QImage image = CRasterDC::CreateImage(CSize(64, 64), g_crWhite);
    CRasterDC dc(image);
    renderer.Setup(&harness.View(), s, nullptr);
    renderer.Draw(&dc);
    EXPECT_EQ(renderer.m_rcExtent, CRect());
    EXPECT_TRUE(PixelsOfColor(image, CRect(0, 0, 64, 64), g_crWhite).size() == 64u * 64u);
}

} // namespace
