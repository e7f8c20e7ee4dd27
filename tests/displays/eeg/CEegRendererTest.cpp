#include "CPixelScan.h"
#include "CViewHarness.h"
#include "CWaveRecording.h"
#include "TestCaseName.h"

#include "platform/CRasterDC.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>

namespace {

constexpr uint16_t g_wEeg = 40;
constexpr uint16_t g_wElectrode = 0x4000;
constexpr uint16_t g_wLeadI = 1;
constexpr uint16_t g_wLead160 = 160;
constexpr uint32_t g_n500Hz = 2000;
constexpr int g_nSamplesPerSecond = 500;
constexpr uint32_t g_n100Nv = 100;

// The built-in montage's sixteen first electrodes, then the two ear references.
constexpr uint16_t g_anMontageElectrodes[] = {12, 13, 28, 29, 32, 33, 36, 37, 24, 25, 52, 53, 56, 57, 60, 61};
constexpr uint16_t g_wA1 = 74;
constexpr uint16_t g_wA2 = 75;
constexpr uint16_t g_wFP1 = 12;

constexpr COLORREF g_crThinGrid = RGB(255, 255, 192);
constexpr COLORREF g_crHeavyGrid = RGB(255, 255, 0);
constexpr COLORREF g_crWhite = RGB(255, 255, 255);

bool IsBlack(COLORREF cr) {
    return cr == RGB(0, 0, 0);
}
bool IsLabelBlue(COLORREF cr) {
    return GetBValue(cr) >= 128 && GetRValue(cr) < 128 && GetGValue(cr) < 128;
}

int Baseline(int nRow) {
    return 60 * (nRow + 1);
}

SWaveChannel Electrode(uint16_t wCode, std::vector<int16_t> anSamples) {
    return {.m_wLead = static_cast<uint16_t>(g_wElectrode | wCode), .m_anSamples = std::move(anSamples)};
}

// Every electrode of the built-in montage, flat, with or without the ear references.
CWaveRecording FlatMontage(int nSeconds, bool bWithReferences, uint32_t nResolution = g_n100Nv) {
    const int nSamples = nSeconds * g_nSamplesPerSecond;
    CWaveRecording recording(g_wEeg, g_n500Hz, nResolution);
    for (uint16_t wCode : g_anMontageElectrodes)
        recording.Add(Electrode(wCode, Constant(0, nSamples)));
    if (bWithReferences) {
        recording.Add(Electrode(g_wA1, Constant(0, nSamples)));
        recording.Add(Electrode(g_wA2, Constant(0, nSamples)));
    }
    return recording;
}

class EegRendererTest : public testing::Test {
protected:
    EegRendererTest() : m_harness(CSize(1280, 1100)) {}

    void OpenAndPaint(const CWaveRecording& recording) {
        ASSERT_TRUE(m_harness.Open(recording.Build()));
        m_harness.Paint();
    }
    void ScrollAndPaint(int x) {
        m_harness.Window().ScrollToPosition(CPoint(x, 0));
        m_harness.Paint();
    }
    CPixelScan Scan() const { return CPixelScan(m_harness.Image()); }

    CViewHarness m_harness;
};

// ---- Extent ----------------------------------------------------------------------------------

struct ExtentCase {
    const char* m_pszName;
    bool m_bEcg;
    bool m_bLead160;
    int m_nBottom;
};

class EegExtentTest : public EegRendererTest, public testing::WithParamInterface<ExtentCase> {};

TEST_P(EegExtentTest, CoversTheTracePlusMarginAndEveryRowPlusOne) {
    const ExtentCase& c = GetParam();
    CWaveRecording recording = FlatMontage(10, true);
    if (c.m_bEcg)
        recording.Add({.m_wLead = g_wLeadI, .m_anSamples = Constant(0, 10 * g_nSamplesPerSecond)});
    if (c.m_bLead160)
        recording.Add({.m_wLead = g_wLead160, .m_anSamples = Constant(0, 10 * g_nSamplesPerSecond)});
    OpenAndPaint(recording);
    EXPECT_EQ(m_harness.View().GetExtent(), CRect(0, 0, 1270, c.m_nBottom));
}

INSTANTIATE_TEST_SUITE_P(Rows, EegExtentTest,
                         testing::Values(ExtentCase{"DerivationsOnly", false, false, 1020},
                                         ExtentCase{"WithEcg", true, false, 1080},
                                         ExtentCase{"WithEcgAndLead160", true, true, 1140}),
                         TestCaseName());

TEST_F(EegRendererTest, DayLongRecordingKeepsItsFullWidth) {
    // 86 400 one-second samples: 8.64e10 microseconds, far beyond 32 bits.
    constexpr int nSeconds = 86400;
    CWaveRecording recording(g_wEeg, 1000000, g_n100Nv);
    recording.Add(Electrode(g_wFP1, Constant(0, nSeconds))).Add(Electrode(g_wA1, Constant(0, nSeconds)));
    OpenAndPaint(recording);
    EXPECT_EQ(m_harness.View().GetExtent(), CRect(0, 0, 20 + nSeconds * 125, 1020));

    ScrollAndPaint(20 + nSeconds * 125 - 1280);
    EXPECT_GT(Scan().Count(CRect(0, Baseline(0), 1200, Baseline(0) + 1), IsBlack), 1000);
}

// ---- Grid and ruler --------------------------------------------------------------------------

TEST_F(EegRendererTest, GridHangsOnTheVisibleLeftEdge) {
    OpenAndPaint(FlatMontage(30, true));
    EXPECT_EQ(Scan().At(0, 30), g_crHeavyGrid);
    EXPECT_EQ(Scan().At(25, 30), g_crThinGrid);
    EXPECT_EQ(Scan().At(125, 30), g_crHeavyGrid);
    EXPECT_EQ(Scan().At(26, 30), g_crWhite);

    // Scrolled by a distance that is no multiple of the grid step, the grid stays put on screen.
    ScrollAndPaint(1010);
    EXPECT_EQ(Scan().At(0, 30), g_crHeavyGrid);
    EXPECT_EQ(Scan().At(25, 30), g_crThinGrid);
    EXPECT_EQ(Scan().At(125, 30), g_crHeavyGrid);
    EXPECT_EQ(Scan().At(115, 30), g_crWhite);
}

TEST_F(EegRendererTest, RulerMarksSecondsWithAWideToothAndFifthsWithNarrowOnes) {
    OpenAndPaint(FlatMontage(10, true));
    const CPixelScan scan = Scan();
    EXPECT_TRUE(IsBlack(scan.At(5, 5))); // the whole second's tooth, 3 pixels deep
    EXPECT_FALSE(IsBlack(scan.At(5, 2)));
    EXPECT_TRUE(IsBlack(scan.At(20, 2))); // back on the ruler line
    EXPECT_TRUE(IsBlack(scan.At(25, 3))); // a narrow tooth at the fifth of a second
    EXPECT_TRUE(IsBlack(scan.At(37, 4))); // and one in its middle
    EXPECT_FALSE(IsBlack(scan.At(30, 5)));
    EXPECT_TRUE(IsBlack(scan.At(130, 5))); // the next second
}

// ---- Derivation rows -------------------------------------------------------------------------

TEST_F(EegRendererTest, DerivationsLieOnTheirBaselinesWithLabelsEveryTenSeconds) {
    OpenAndPaint(FlatMontage(30, true));
    const CPixelScan scan = Scan();
    for (int r = 0; r < 16; ++r) {
        SCOPED_TRACE(r);
        const int y0 = Baseline(r);
        EXPECT_EQ(scan.Count(CRect(100, y0, 1200, y0 + 1), IsBlack), 1100);
        EXPECT_EQ(scan.Count(CRect(100, y0 - 5, 1200, y0), IsBlack), 0);
        EXPECT_GT(scan.Count(CRect(20, y0, 90, y0 + 16), IsLabelBlue), 20);
        EXPECT_GT(scan.Count(CRect(1270, y0, 1280, y0 + 16), IsLabelBlue), 0);
        EXPECT_EQ(scan.Count(CRect(0, y0, 20, y0 + 16), IsLabelBlue), 0);
    }
    // No ECG channel: the row under the derivations stays empty.
    EXPECT_EQ(scan.Count(CRect(100, Baseline(16), 1200, Baseline(16) + 1), IsBlack), 0);

    // The third label, 20 seconds in.
    ScrollAndPaint(2000);
    EXPECT_GT(Scan().Count(CRect(520, Baseline(0), 590, Baseline(0) + 16), IsLabelBlue), 20);
    EXPECT_EQ(Scan().Count(CRect(400, Baseline(0), 515, Baseline(0) + 16), IsLabelBlue), 0);
}

TEST_F(EegRendererTest, DerivationWithoutItsElectrodesStaysEmptyAndUnlabelled) {
    CWaveRecording recording = FlatMontage(10, false);
    recording.Add({.m_wLead = g_wLeadI, .m_anSamples = Constant(0, 10 * g_nSamplesPerSecond)});
    OpenAndPaint(recording);
    const CPixelScan scan = Scan();
    EXPECT_EQ(scan.Count(CRect(0, 40, 1280, Baseline(15) + 20), IsBlack), 0);
    EXPECT_EQ(scan.Count(CRect(0, 40, 1280, Baseline(15) + 20), IsLabelBlue), 0);
    // The rows keep their places: the ECG lies in row 16 and the grid reaches 18 rows down.
    EXPECT_EQ(scan.Count(CRect(100, Baseline(16), 1200, Baseline(16) + 1), IsBlack), 1100);
    EXPECT_EQ(scan.At(25, 1079), g_crThinGrid);
    EXPECT_EQ(scan.At(25, 1080), g_crWhite);
}

struct ClipCase {
    const char* m_pszName;
    int32_t m_nSensitivity;
    int m_nLimitPixels;
};

class EegClipTest : public EegRendererTest, public testing::WithParamInterface<ClipCase> {};

TEST_P(EegClipTest, DerivationIsClippedAt1500Units) {
    // +-5000 units at 50 nV per unit, 5 Hz: far beyond the clipping level on both sides.
    const int nSamples = 10 * g_nSamplesPerSecond;
    CWaveRecording recording(g_wEeg, g_n500Hz, 50);
    recording.Add(Electrode(g_wFP1, SquareWave(-5000, 5000, 50, nSamples)))
        .Add(Electrode(g_wA1, Constant(0, nSamples)));
    m_harness.Settings().m_nSensitivity = GetParam().m_nSensitivity;
    OpenAndPaint(recording);
    const CRect rcRow(100, 6, 1200, Baseline(1));
    EXPECT_EQ(Scan().TopRow(rcRow, IsBlack), Baseline(0) - GetParam().m_nLimitPixels);
    EXPECT_EQ(Scan().BottomRow(rcRow, IsBlack), Baseline(0) + GetParam().m_nLimitPixels);
}

// 1500 x 50 nV x 4 px/mm x code x 0.00005
INSTANTIATE_TEST_SUITE_P(Sensitivities, EegClipTest,
                         testing::Values(ClipCase{"Half", 1, 15}, ClipCase{"One", 2, 30}), TestCaseName());

TEST_F(EegRendererTest, LeadInLetsTheFiltersSettleBeforeTheLeftEdge) {
    // A constant difference: the low-cut shows a decaying step at the start of the recording only.
    const int nSamples = 30 * g_nSamplesPerSecond;
    CWaveRecording recording(g_wEeg, g_n500Hz, g_n100Nv);
    recording.Add(Electrode(g_wFP1, Constant(0, nSamples))).Add(Electrode(g_wA1, Constant(-1000, nSamples)));
    OpenAndPaint(recording);
    const int y0 = Baseline(0);
    EXPECT_GT(Scan().Count(CRect(0, y0 + 20, 10, y0 + 45), IsBlack), 0);

    // 8 seconds in, the 2 seconds read before the edge have taken the step off already.
    ScrollAndPaint(1000);
    EXPECT_EQ(Scan().Count(CRect(0, y0, 50, y0 + 1), IsBlack), 50);
    EXPECT_EQ(Scan().Count(CRect(0, y0 + 1, 50, y0 + 45), IsBlack), 0);
}

TEST_F(EegRendererTest, SmoothDisplayLeavesTheLastFlatRunOfARowUndrawn) {
    OpenAndPaint(FlatMontage(10, true));
    EXPECT_TRUE(IsBlack(Scan().At(1245, Baseline(0))));

    m_harness.Settings().m_bSmooth = 1;
    m_harness.Paint();
    EXPECT_TRUE(IsBlack(Scan().At(600, Baseline(0))));
    EXPECT_FALSE(IsBlack(Scan().At(1245, Baseline(0))));
    // Every row starts its own pending run: the next row is drawn like the first.
    EXPECT_TRUE(IsBlack(Scan().At(600, Baseline(1))));
    EXPECT_FALSE(IsBlack(Scan().At(1245, Baseline(1))));
}

// ---- ECG and lead-160 rows -------------------------------------------------------------------

struct MillivoltCase {
    const char* m_pszName;
    int32_t m_nSensitivity;
    int m_nPixels;
};

class EegMillivoltTest : public EegRendererTest, public testing::WithParamInterface<MillivoltCase> {};

TEST_P(EegMillivoltTest, OneMillivoltLandsOnePixelShortOfTheExactHeight) {
    CWaveRecording recording(g_wEeg, 1000, 1000);
    recording.Add({.m_wLead = g_wLeadI, .m_anSamples = Constant(1000, 10000)});
    m_harness.Settings().m_nSensitivity = GetParam().m_nSensitivity;
    OpenAndPaint(recording);
    // No derivation has its electrodes, so the ECG takes the row under the sixteen empty ones.
    const int y0 = Baseline(16);
    EXPECT_EQ(Scan().TopRow(CRect(400, y0 - 100, 1200, y0 + 1), IsBlack), y0 - GetParam().m_nPixels);
}

INSTANTIATE_TEST_SUITE_P(Sensitivities, EegMillivoltTest,
                         testing::Values(MillivoltCase{"Half", 1, 19}, MillivoltCase{"One", 2, 39},
                                         MillivoltCase{"Two", 4, 79}),
                         TestCaseName());

TEST_F(EegRendererTest, Lead160RowFollowsTheEcgRow) {
    CWaveRecording recording(g_wEeg, 1000, 1000);
    recording.Add({.m_wLead = g_wLead160, .m_anSamples = Constant(-500, 10000)})
        .Add({.m_wLead = g_wLeadI, .m_anSamples = Constant(1000, 10000)});
    OpenAndPaint(recording);
    EXPECT_EQ(Scan().TopRow(CRect(400, Baseline(16) - 100, 1200, Baseline(16) + 1), IsBlack),
              Baseline(16) - 39);
    EXPECT_EQ(Scan().BottomRow(CRect(400, Baseline(17), 1200, Baseline(17) + 40), IsBlack),
              Baseline(17) + 19);
}

// ---- Montage file and printed pages ----------------------------------------------------------

TEST(EegMontageFileTest, RowCountComesFromTheFilesFirstLine) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zelvo-eeg-montage-test";
    std::filesystem::create_directories(dir);
    {
        std::ofstream file(dir / "Brisel_LeadTable.txt");
        file << "EEG_00,FP1,U\n"; // FP1 is code 12: twelve rows
        for (int r = 1; r < 25; ++r)
            file << "EEG_00,FP1,A1\n";
    }
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    CViewHarness harness(CSize(1280, 1100));
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);

    ASSERT_TRUE(harness.Open(FlatMontage(10, true).Build()));
    harness.Paint();
    EXPECT_EQ(harness.View().GetExtent(), CRect(0, 0, 1270, 60 * 13));
    const CPixelScan scan(harness.Image());
    EXPECT_EQ(scan.Count(CRect(100, Baseline(11), 1200, Baseline(11) + 1), IsBlack), 1100);
    EXPECT_EQ(scan.Count(CRect(100, Baseline(12), 1200, Baseline(12) + 1), IsBlack), 0);
}

TEST_F(EegRendererTest, PageTileDrawsItsOwnPartOfTheSheet) {
    OpenAndPaint(FlatMontage(30, true));
    QImage image = CRasterDC::CreateImage(CSize(1280, 1100), g_crWhite);
    CRasterDC dc(image);
    dc.SetWindowOrg(2000, 0);
    m_harness.View().OnDraw(&dc);
    const CPixelScan scan(dc.GetImage());
    // The 20-second label and the trace under it; the grid hangs on the tile's edge.
    EXPECT_GT(scan.Count(CRect(520, Baseline(0), 590, Baseline(0) + 16), IsLabelBlue), 20);
    EXPECT_EQ(scan.Count(CRect(600, Baseline(0), 1200, Baseline(0) + 1), IsBlack), 600);
    EXPECT_EQ(scan.At(0, 30), g_crHeavyGrid);
}

} // namespace
