#include "Ecg12Fixture.h"
#include "TestCaseName.h"

#include "platform/MouseKeys.h"

#include <gtest/gtest.h>

namespace {

using namespace ecg12test;

bool IsInk(COLORREF cr) {
    return GetRValue(cr) < 128 && GetGValue(cr) < 128 && GetBValue(cr) < 128;
}

int CountInk(const CViewHarness& harness, const CRect& rect) {
    int nInk = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            nInk += IsInk(harness.Pixel(x, y)) ? 1 : 0;
    return nInk;
}

// The box a lead label's text starts in: 5 mm right of the cell and 5 mm above its baseline.
CRect LabelBox(int xCell, int nBaseline) {
    return CRect(xCell + Mm(5), nBaseline - Mm(5), xCell + Mm(5) + 24, nBaseline - Mm(1));
}

struct LeadSetCase {
    const char* m_pszName;
    std::vector<uint16_t> m_awCodes;
    int m_nSamples;
    int m_nLayout;
    int m_nLayoutDrawn;
    int m_nLeadSetKind;
    CRect m_rcExtent;
};

class CEcg12LeadSetTest : public testing::TestWithParam<LeadSetCase> {};

TEST_P(CEcg12LeadSetTest, ClassifiesTheLeadSetCorrectsTheLayoutAndSizesTheSheet) {
    const LeadSetCase& c = GetParam();
    CViewHarness harness;
    OpenAndPaint(harness, BuildEcg(Leads(c.m_awCodes, Flat(0, c.m_nSamples))), c.m_nLayout);
    EXPECT_EQ(harness.Settings().m_nLeadSetKind, c.m_nLeadSetKind);
    EXPECT_EQ(harness.Settings().m_nLayout, c.m_nLayoutDrawn);
    EXPECT_EQ(harness.View().GetExtent(), c.m_rcExtent);
    EXPECT_EQ(harness.Settings().m_bMouseCmds, 1);
    EXPECT_EQ(harness.Settings().m_bZoomCmds, 1);
}

const std::vector<uint16_t> kFifteenLeads = {1, 2, 61, 62, 63, 64, 3, 4, 5, 6, 7, 8, 9, 66, 67};

INSTANTIATE_TEST_SUITE_P(
    Sheets, CEcg12LeadSetTest,
    testing::Values(
        // 10 s at 1 ms: a record 250 mm wide; 266 mm x 270 mm in full display.
        LeadSetCase{"FullTwelve", kTwelveLeads, kSamples, 0, 0, 3, CRect(0, 0, 1064, 1080)},
        LeadSetCase{"SixByTwo", kTwelveLeads, kSamples, 1, 1, 3, CRect(0, 0, 1064, 600)},
        LeadSetCase{"ThreeByFour", kTwelveLeads, kSamples, 2, 2, 3, CRect(0, 0, 1064, 520)},
        LeadSetCase{"RecordWidthRoundsUp", kTwelveLeads, kSamples + 1, 0, 0, 3, CRect(0, 0, 1068, 1080)},
        LeadSetCase{"IAndIIDeriveFour", kIandIIWithChest, kSamples, 0, 0, 0, CRect(0, 0, 1064, 1080)},
        LeadSetCase{
            "IIAndIIIDeriveFour", {2, 61, 3, 4, 5, 6, 7, 8}, kSamples, 1, 1, 1, CRect(0, 0, 1064, 600)},
        LeadSetCase{
            "IAndIIIDeriveFour", {1, 61, 3, 4, 5, 6, 7, 8}, kSamples, 2, 2, 2, CRect(0, 0, 1064, 520)},
        LeadSetCase{"UnknownCodesAreNotCounted",
                    {1, 2, 3, 4, 5, 6, 7, 8, 10, 0},
                    kSamples,
                    0,
                    0,
                    0,
                    CRect(0, 0, 1064, 1080)},
        // Fewer than twelve: 6x2 becomes the page display, one strip of seven rows.
        LeadSetCase{"FewerLeadsShowPages", {1, 2, 3}, kSamples, 1, 3, 5, CRect(0, 0, 1304, 664)},
        LeadSetCase{"MoreLeadsKeepSixByTwo", kFifteenLeads, kSamples, 1, 1, 4, CRect(0, 0, 1064, 600)},
        LeadSetCase{"MoreLeadsHaveNoPages", kFifteenLeads, kSamples, 3, 0, 4, CRect(0, 0, 1064, 1320)}),
    TestCaseName());

TEST(CEcg12SheetTest, DurationOfLongRecordingsDoesNotWrap) {
    // 5000 samples a second apart: 5 000 000 000 us, beyond 32 bits.
    CViewHarness harness;
    OpenAndPaint(harness, BuildEcg(Leads(kTwelveLeads, Flat(0, 5000)), 1000000), 0);
    EXPECT_EQ(harness.View().GetExtent(), CRect(0, 0, Mm(125000 + 16), 1080));
}

TEST(CEcg12SheetTest, GridHasFineCoarseAndBorderLines) {
    CViewHarness harness;
    OpenAndPaint(harness, BuildEcg(Leads(kTwelveLeads, Flat(0))), 0);
    // The trace grid starts at (11 mm, 5 mm) and is 250 mm wide; the label column spans 5..10 mm.
    struct Probe {
        int x;
        int y;
        COLORREF cr;
    };
    const Probe aProbes[] = {
        {44, 22, kBlack},  {48, 22, kFine},    {64, 22, kCoarse},  {46, 22, kWhite},   {102, 20, kBlack},
        {102, 24, kFine},  {102, 40, kCoarse}, {1044, 22, kBlack}, {1045, 22, kWhite}, {22, 24, kFine},
        {22, 40, kCoarse}, {20, 30, kBlack},   {40, 30, kBlack},   {24, 22, kFine},    {42, 22, kWhite},
    };
    for (const Probe& probe : aProbes)
        EXPECT_EQ(harness.Pixel(probe.x, probe.y), probe.cr) << probe.x << "," << probe.y;
}

TEST(CEcg12SheetTest, ThreeByFourColumnsShareTheSheetRaster) {
    CViewHarness harness;
    OpenAndPaint(harness, BuildEcg(Leads(kTwelveLeads, Flat(0))), 2);
    // The second column starts at 73 mm: coarse lines at 76 and 81 mm, not 78 mm.
    EXPECT_EQ(harness.Pixel(Mm(73), 22), kBlack);
    EXPECT_EQ(harness.Pixel(Mm(76), 22), kCoarse);
    EXPECT_EQ(harness.Pixel(Mm(78), 22), kFine);
    EXPECT_EQ(harness.Pixel(Mm(81), 22), kCoarse);
}

struct SchemeCase {
    const char* m_pszName;
    int m_nBackColor;
    COLORREF m_crFine;
    COLORREF m_crCoarse;
    COLORREF m_crBorder;
};

class CEcg12SchemeTest : public testing::TestWithParam<SchemeCase> {};

TEST_P(CEcg12SchemeTest, GridTakesTheStoredScheme) {
    const SchemeCase& c = GetParam();
    CViewHarness harness;
    harness.Profile().WriteProfileInt("ECG12", "BackColor", c.m_nBackColor);
    OpenAndPaint(harness, BuildEcg(Leads(kTwelveLeads, Flat(0))), 0);
    EXPECT_EQ(harness.Pixel(48, 22), c.m_crFine);
    EXPECT_EQ(harness.Pixel(64, 22), c.m_crCoarse);
    EXPECT_EQ(harness.Pixel(102, 20), c.m_crBorder);
    EXPECT_EQ(harness.Pixel(46, 22), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Schemes, CEcg12SchemeTest,
                         testing::Values(SchemeCase{"Orange", 0, kFine, kCoarse, kBlack},
                                         SchemeCase{"Green", 1, RGB(164, 255, 164), RGB(64, 220, 64), kBlack},
                                         SchemeCase{"Grey", 2, RGB(192, 192, 192), RGB(128, 128, 128),
                                                    kBlack},
                                         SchemeCase{"Black", 3, RGB(0, 32, 0), RGB(0, 64, 0), RGB(0, 64, 0)},
                                         SchemeCase{"UnknownFallsBackToOrange", 9, kFine, kCoarse, kBlack}),
                         TestCaseName());

struct SensitivityCase {
    const char* m_pszName;
    int m_nSensitivity;
    int m_bSmooth;
    int m_nPulseHeight;
    int m_nLevelWidth;
    int m_nMillivoltLevel;
};

class CEcg12CalibrationTest : public testing::TestWithParam<SensitivityCase> {};

TEST_P(CEcg12CalibrationTest, PulseIsExactAndOneMillivoltLandsAPixelShort) {
    const SensitivityCase& c = GetParam();
    CViewHarness harness;
    harness.Settings().m_nSensitivity = c.m_nSensitivity;
    harness.Settings().m_bSmooth = c.m_bSmooth;
    OpenAndPaint(harness, BuildEcg(Leads(kTwelveLeads, Flat(kOneMillivolt))), 0);
    const int B = Baseline(0);
    const int t = B - c.m_nPulseHeight;
    const int nHalf = c.m_nLevelWidth / 2;
    // Rising edge at 6 mm, the top from 6 to 8 mm.
    EXPECT_EQ(harness.Pixel(Mm(6), (t + B) / 2), kRed);
    EXPECT_EQ(harness.Pixel(Mm(6), t), kRed);
    EXPECT_EQ(harness.Pixel(Mm(7) + 2, t - nHalf), kRed);
    EXPECT_EQ(harness.Pixel(Mm(7) + 2, t + nHalf), kRed);
    EXPECT_NE(harness.Pixel(Mm(7) + 2, t - nHalf - 1), kRed);
    EXPECT_NE(harness.Pixel(Mm(7) + 2, t + nHalf + 1), kRed);
    if (c.m_bSmooth)
        return;
    // A flat 1-mV trace: one short bar per column ending at the level.
    const int x = Mm(11) + 100;
    EXPECT_EQ(harness.Pixel(x, B - c.m_nMillivoltLevel), kRed);
    EXPECT_NE(harness.Pixel(x, B - c.m_nMillivoltLevel - 1), kRed);
}

INSTANTIATE_TEST_SUITE_P(Sensitivities, CEcg12CalibrationTest,
                         testing::Values(SensitivityCase{"Half", 1, 0, 20, 3, 19},
                                         SensitivityCase{"One", 2, 0, 40, 3, 39},
                                         SensitivityCase{"Two", 4, 0, 80, 3, 79},
                                         SensitivityCase{"SmoothKeepsThinLevels", 2, 1, 40, 1, 39}),
                         TestCaseName());

// Spikes of 1 mV at the given samples, flat zero elsewhere.
std::vector<int16_t> Spikes(const std::vector<int>& anStarts) {
    return Signal(kSamples, [&](int i) {
        for (int nStart : anStarts)
            if (i >= nStart && i < nStart + 5)
                return kOneMillivolt;
        return int16_t{0};
    });
}

// A cell whose first sample is a spike shows a steep column right at its left edge: dark grey in
// the middle third of the 41 pixels from the baseline up to the level.
bool StartsWithSpike(const CViewHarness& harness, int xCell, int nBaseline) {
    return harness.Pixel(xCell + 1, nBaseline - 20) == kDarkGrey;
}

TEST(CEcg12SheetTest, SixByTwoRightColumnShowsTheSecondHalf) {
    CViewHarness harness;
    OpenAndPaint(harness, BuildEcg(Leads(kTwelveLeads, Spikes({5000}))), 1);
    // 124-mm cells; the right column starts at 136 mm with sample 5000.
    for (int r = 0; r < 6; ++r) {
        EXPECT_TRUE(StartsWithSpike(harness, Mm(136), Baseline(r))) << r;
        EXPECT_FALSE(StartsWithSpike(harness, Mm(11), Baseline(r))) << r;
        EXPECT_EQ(harness.Pixel(Mm(11) + 1, Baseline(r)), kRed) << r;
        EXPECT_GT(CountInk(harness, LabelBox(Mm(11), Baseline(r))), 0) << r;
        EXPECT_GT(CountInk(harness, LabelBox(Mm(136), Baseline(r))), 0) << r;
    }
}

TEST(CEcg12SheetTest, ThreeByFourColumnsShowConsecutiveQuarters) {
    CViewHarness harness;
    OpenAndPaint(harness, BuildEcg(Leads(kTwelveLeads, Spikes({0, 2480, 4960, 7440}))), 2);
    // 61-mm cells at 11, 73, 135 and 197 mm from samples 0, 2480, 4960 and 7440.
    const int axCells[] = {Mm(11), Mm(73), Mm(135), Mm(197)};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 3; ++r) {
            EXPECT_TRUE(StartsWithSpike(harness, axCells[c], Baseline(r))) << c << "," << r;
            EXPECT_GT(CountInk(harness, LabelBox(axCells[c], Baseline(r))), 0) << c << "," << r;
        }
    // The rhythm strip: lead II over the whole record at 106 mm.
    EXPECT_TRUE(StartsWithSpike(harness, Mm(11), Mm(106)));
    EXPECT_TRUE(StartsWithSpike(harness, Mm(11) + 248, Mm(106)));
}

TEST(CEcg12SheetTest, LeadWithoutANameHasNoLabel) {
    // Channel 2 carries code 10; lead III comes last, beyond the twelve rows.
    CViewHarness harness;
    OpenAndPaint(harness, BuildEcg(Leads({1, 2, 10, 62, 63, 64, 3, 4, 5, 6, 7, 8, 61}, Flat(0))), 0);
    EXPECT_EQ(harness.Settings().m_nLeadSetKind, 3);
    EXPECT_GT(CountInk(harness, LabelBox(Mm(11), Baseline(1))), 0);
    EXPECT_EQ(CountInk(harness, LabelBox(Mm(11), Baseline(2))), 0);
    // Its trace is drawn all the same.
    EXPECT_EQ(harness.Pixel(Mm(11) + 100, Baseline(2)), kRed);
}

TEST(CEcg12SheetTest, PageStripsContinueWhereThePreviousEnded) {
    // I, II and V1: seven rows (four limb leads derived); an 800-px window gives a first strip of
    // 184 mm (7360 samples) and a second of 190 mm starting at 5 mm.
    CViewHarness harness(CSize(800, 1400));
    OpenAndPaint(harness, BuildEcg(Leads({1, 2, 3}, Spikes({7360}))), 1);
    EXPECT_EQ(harness.Settings().m_nLayout, 3);
    EXPECT_EQ(harness.View().GetExtent(), CRect(0, 0, Mm(190 + 16), Mm(5) + 2 * Mm(161)));
    const int ySecondStrip = Mm(5) + Mm(161);
    EXPECT_TRUE(StartsWithSpike(harness, Mm(5), ySecondStrip + Mm(20)));
    EXPECT_FALSE(StartsWithSpike(harness, Mm(11), Baseline(0)));
    // Every strip holds all seven leads.
    for (int r = 0; r < 7; ++r)
        EXPECT_GT(CountInk(harness, LabelBox(Mm(5), ySecondStrip + Mm(20 * (r + 1)))), 0) << r;
}

TEST(CEcg12SheetTest, NarrowWindowStillGetsOneSecondStrips) {
    CViewHarness harness(CSize(10, 400));
    OpenAndPaint(harness, BuildEcg(Leads({1, 2, 3}, Flat(0))), 3);
    EXPECT_EQ(harness.View().GetExtent(), CRect(0, 0, Mm(25 + 16), Mm(5) + 10 * Mm(161)));
}

struct OddCase {
    const char* m_pszName;
    uint32_t m_nIntervalUs;
    std::vector<uint16_t> m_awCodes;
    int m_nSamples;
};

class CEcg12OddRecordingTest : public testing::TestWithParam<OddCase> {};

// Recordings no cart writes must still paint and measure in every layout without reading past
// their samples or dividing by zero.
TEST_P(CEcg12OddRecordingTest, PaintsAndMeasuresInEveryLayout) {
    const OddCase& c = GetParam();
    const CMferWriter writer =
        BuildEcg(Leads(c.m_awCodes, Flat(kOneMillivolt, c.m_nSamples)), c.m_nIntervalUs);
    for (int nLayout = 0; nLayout < 4; ++nLayout)
        for (int nMode = 1; nMode <= 3; ++nMode) {
            CViewHarness harness(CSize(300, 200));
            OpenAndPaint(harness, writer, nLayout);
            harness.Settings().m_nMouseMode = nMode;
            harness.Settings().m_nFilter = 1;
            harness.Settings().m_bSmooth = nMode == 2;
            harness.Paint();
            harness.View().OnLButtonDown(MK_LBUTTON, CPoint(100, 150));
            harness.View().OnMouseMove(MK_LBUTTON, CPoint(5, 90));
            harness.View().OnLButtonUp(0, CPoint(5, 90));
            harness.View().OnMouseMove(0, CPoint(250, 20));
            const CRect& rcExtent = harness.View().GetExtent();
            EXPECT_GE(rcExtent.right, 0) << nLayout;
            EXPECT_GE(rcExtent.bottom, 0) << nLayout;
        }
}

INSTANTIATE_TEST_SUITE_P(Recordings, CEcg12OddRecordingTest,
                         testing::Values(OddCase{"ZeroSamplingInterval", 0, kTwelveLeads, 100},
                                         OddCase{"OneSamplePerLead", 1000, kTwelveLeads, 1},
                                         OddCase{"OneSecondPerSample", 1000000, {1, 2, 3}, 20},
                                         OddCase{"OneMicrosecondPerSample", 1, kIandIIWithChest, 2000},
                                         OddCase{"NoKnownLead", 1000, {0, 10, 200}, 500}),
                         TestCaseName());

TEST(CEcg12SheetTest, NothingLoadedDrawsNothing) {
    CViewHarness harness;
    harness.Paint();
    EXPECT_EQ(harness.Pixel(48, 22), kWhite);
    EXPECT_EQ(harness.Settings().m_bMouseCmds, 0);
}

} // namespace
