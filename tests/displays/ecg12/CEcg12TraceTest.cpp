#include "Ecg12Fixture.h"
#include "TestCaseName.h"

#include <gtest/gtest.h>

namespace {

using namespace ecg12test;

// A flat trace at level L px above the baseline paints the rows L - 1 and L above it.
void ExpectLevel(const CViewHarness& harness, int x, int nBaseline, int nLevel) {
    EXPECT_EQ(harness.Pixel(x, nBaseline - nLevel), kRed) << nLevel;
    EXPECT_NE(harness.Pixel(x, nBaseline - nLevel - 1), kRed) << nLevel;
}

struct DerivedCase {
    const char* m_pszName;
    int m_nRow;
    int m_nLevel;
};

class CEcg12DerivedLeadTest : public testing::TestWithParam<DerivedCase> {};

TEST_P(CEcg12DerivedLeadTest, MissingLimbLeadsAreComputedFromIAndIII) {
    // I = III = 400 units (0.5 mV): II = 800, aVR = -600, aVL = 0, aVF = 600.
    const DerivedCase& c = GetParam();
    std::vector<SLead> leads = Leads({kLeadI, kLeadIII}, Flat(400));
    for (const SLead& chest : Leads({3, 4, 5, 6, 7, 8}, Flat(0)))
        leads.push_back(chest);
    CViewHarness harness;
    OpenAndPaint(harness, BuildEcg(leads), 0);
    EXPECT_EQ(harness.Settings().m_nLeadSetKind, 2);
    ExpectLevel(harness, Mm(11) + 100, Baseline(c.m_nRow), c.m_nLevel);
}

INSTANTIATE_TEST_SUITE_P(Leads, CEcg12DerivedLeadTest,
                         testing::Values(DerivedCase{"I", 0, 19}, DerivedCase{"II", 1, 39},
                                         DerivedCase{"III", 2, 19}, DerivedCase{"aVR", 3, -29},
                                         DerivedCase{"aVL", 4, 0}, DerivedCase{"aVF", 5, 29},
                                         DerivedCase{"V1", 6, 0}),
                         TestCaseName());

TEST(CEcg12TraceTest, SteepColumnIsShadedInThirds) {
    CViewHarness harness;
    const auto anStep = Signal(kSamples, [](int i) { return i < 5000 ? int16_t{0} : kOneMillivolt; });
    OpenAndPaint(harness, BuildEcg(Leads(kTwelveLeads, anStep)), 0);
    const int B = Baseline(0);
    int nSteepColumns = 0;
    for (int x = Mm(11) + 490; x < Mm(11) + 510; ++x) {
        if (harness.Pixel(x, B - 20) != kDarkGrey)
            continue;
        ++nSteepColumns;
        // From 1 px below the baseline to 1 px above the level: mid, dark and mid grey thirds.
        EXPECT_EQ(harness.Pixel(x, B + 1), kMidGrey);
        EXPECT_EQ(harness.Pixel(x, B - 11), kMidGrey);
        EXPECT_EQ(harness.Pixel(x, B - 12), kDarkGrey);
        EXPECT_EQ(harness.Pixel(x, B - 26), kDarkGrey);
        EXPECT_EQ(harness.Pixel(x, B - 27), kMidGrey);
        EXPECT_EQ(harness.Pixel(x, B - 39), kMidGrey);
        ExpectLevel(harness, x + 1, B, 39);
    }
    EXPECT_EQ(nSteepColumns, 1);
}

TEST(CEcg12TraceTest, SmoothZeroLineTrailsSixteenPixelsBehind) {
    CViewHarness harness;
    harness.Settings().m_bSmooth = 1;
    OpenAndPaint(harness, BuildEcg(Leads(kTwelveLeads, Flat(0))), 0);
    const int B = Baseline(0);
    const int xEnd = Mm(11 + 250);
    EXPECT_EQ(harness.Pixel(Mm(11) + 1, B), kBlack);
    EXPECT_EQ(harness.Pixel(Mm(11) + 501, B), kBlack);
    EXPECT_EQ(harness.Pixel(xEnd - 20, B), kBlack);
    // The last 16 columns of the cell keep only the grid.
    for (int x = xEnd - 15; x < xEnd; ++x)
        EXPECT_NE(harness.Pixel(x, B), kBlack) << x;
}

TEST(CEcg12TraceTest, FilterStartsEachCellFromRest) {
    const CMferWriter writer = BuildEcg(Leads(kTwelveLeads, Flat(kOneMillivolt)));
    CViewHarness plain;
    OpenAndPaint(plain, writer, 0);
    CViewHarness filtered;
    filtered.Settings().m_nFilter = 1;
    OpenAndPaint(filtered, writer, 0);
    const int B = Baseline(0);
    ExpectLevel(plain, Mm(11) + 1, B, 39);
    EXPECT_NE(filtered.Pixel(Mm(11) + 1, B - 39), kRed);
    // Settled: the same level within the filter's truncation.
    EXPECT_EQ(filtered.Pixel(Mm(11) + 200, B - 38), kRed);
    EXPECT_EQ(filtered.Settings().m_nFilter, 3);
}

TEST(CEcg12TraceTest, ScrolledFarIntoALongCellDrawsWhatAFullPaintDraws) {
    // 60 s of a sawtooth: the visible part is drawn from shortly before the window, not from 0.
    const auto anSaw = Signal(60000, [](int i) { return static_cast<int16_t>((i % 700) * 2 - 700); });
    const CMferWriter writer = BuildEcg(Leads(kTwelveLeads, anSaw));
    for (const int bSmooth : {0, 1}) {
        CViewHarness whole(CSize(Mm(1520), 200));
        whole.Settings().m_bSmooth = bSmooth;
        whole.Settings().m_nFilter = 1;
        OpenAndPaint(whole, writer, 0);
        CViewHarness scrolled(CSize(400, 200));
        scrolled.Settings().m_bSmooth = bSmooth;
        scrolled.Settings().m_nFilter = 1;
        OpenAndPaint(scrolled, writer, 0);
        scrolled.Window().ScrollToPosition(CPoint(Mm(1000), 0));
        scrolled.Paint();
        int nDiffering = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 400; ++x)
                nDiffering += scrolled.Pixel(x, y) != whole.Pixel(Mm(1000) + x, y) ? 1 : 0;
        EXPECT_EQ(nDiffering, 0) << bSmooth;
    }
}

} // namespace
