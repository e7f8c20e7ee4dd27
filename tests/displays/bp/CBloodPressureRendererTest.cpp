#include "CPixelScan.h"
#include "CViewHarness.h"
#include "CWaveRecording.h"
#include "TestCaseName.h"

#include "displays/ecg12/CEcg12Renderer.h"
#include "platform/CRasterDC.h"

#include <gtest/gtest.h>

namespace {

constexpr uint16_t g_wBloodPressure = 20;
constexpr uint16_t g_wLeadII = 2;
constexpr uint16_t g_wLeadV1 = 3;
constexpr uint16_t g_wLeadV5 = 7;
constexpr uint16_t g_wPressure = 143;
constexpr uint16_t g_wElectrophysiology = 262;
constexpr uint32_t g_n500Hz = 2000;
constexpr int g_nTenSecondsAt500Hz = 5000;
constexpr uint32_t g_n1000Nv = 1000;

constexpr COLORREF g_crGreen = RGB(0, 255, 0);
constexpr COLORREF g_crRed = RGB(255, 0, 0);
constexpr COLORREF g_crYellow = RGB(255, 255, 0);
constexpr COLORREF g_crScale = RGB(208, 208, 0);
constexpr COLORREF g_crGrid = RGB(0, 128, 0);
constexpr COLORREF g_crBlack = RGB(0, 0, 0);

// The colour families of the ramps: one hue at any intensity.
bool IsRedFamily(COLORREF cr) {
    return GetRValue(cr) > 0 && GetGValue(cr) == 0 && GetBValue(cr) == 0;
}
bool IsGreenFamily(COLORREF cr) {
    return GetGValue(cr) > 0 && GetRValue(cr) == 0 && GetBValue(cr) == 0 && cr != g_crGrid;
}
bool IsGreyFamily(COLORREF cr) {
    return GetRValue(cr) > 0 && GetRValue(cr) == GetGValue(cr) && GetGValue(cr) == GetBValue(cr);
}
bool IsCyanFamily(COLORREF cr) {
    return GetGValue(cr) > 0 && GetGValue(cr) == GetBValue(cr) && GetRValue(cr) == 0;
}
bool IsScale(COLORREF cr) {
    return cr == g_crScale;
}
bool IsWhiteText(COLORREF cr) {
    return GetRValue(cr) > 128 && GetGValue(cr) > 128 && GetBValue(cr) > 128;
}

int Baseline(int nRow) {
    return 80 * (nRow + 1);
}

SWaveChannel Flat(uint16_t wLead) {
    return {.m_wLead = wLead, .m_anSamples = Constant(0, g_nTenSecondsAt500Hz)};
}

class BloodPressureRendererTest : public testing::Test {
protected:
    BloodPressureRendererTest() : m_harness(CSize(1280, 800)) {}

    void OpenAndPaint(const CWaveRecording& recording, int32_t nLayout) {
        ASSERT_TRUE(m_harness.Open(recording.Build()));
        m_harness.Settings().m_nLayout = nLayout;
        m_harness.Paint();
    }
    CPixelScan Scan() const { return CPixelScan(m_harness.Image()); }

    CViewHarness m_harness;
};

// ---- Page, grid and sub-displays -------------------------------------------------------------

TEST_F(BloodPressureRendererTest, BlackPageWithDarkGreenMillimetreGrid) {
    CWaveRecording recording(g_wBloodPressure, g_n500Hz, g_n1000Nv);
    recording.Add(Flat(g_wLeadII));
    OpenAndPaint(recording, 0);
    const CPixelScan scan = Scan();
    // Grid lines every 5 mm over (1 + 1) x 20 mm; the page beyond them stays black.
    EXPECT_EQ(scan.At(20, 50), g_crGrid);
    EXPECT_EQ(scan.At(50, 20), g_crGrid);
    EXPECT_EQ(scan.At(22, 50), g_crBlack);
    EXPECT_EQ(scan.At(300, 700), g_crBlack);
    // Millimetre ticks: hanging from the top edge, across a row boundary, on a ticked vertical line.
    EXPECT_EQ(scan.At(4, 1), g_crGrid);
    EXPECT_EQ(scan.At(4, 3), g_crBlack);
    EXPECT_EQ(scan.At(44, 78), g_crGrid);
    EXPECT_EQ(scan.At(44, 82), g_crGrid);
    EXPECT_EQ(scan.At(44, 83), g_crBlack);
    EXPECT_EQ(scan.At(38, 44), g_crGrid);
    EXPECT_EQ(scan.At(42, 44), g_crGrid);
    EXPECT_EQ(scan.At(43, 44), g_crBlack);
}

TEST_F(BloodPressureRendererTest, PressureLayoutPlacesLeadsAndPressureOnTheirRows) {
    CWaveRecording recording(g_wBloodPressure, g_n500Hz, g_n1000Nv);
    recording.Add(Flat(g_wLeadV5))
        .Add(Flat(g_wPressure))
        .Add(Flat(g_wLeadII))
        .Add(Flat(g_wLeadV1))
        .Add(Flat(99));
    OpenAndPaint(recording, 1);
    const CPixelScan scan = Scan();
    EXPECT_EQ(scan.At(600, Baseline(0)), g_crGreen);
    EXPECT_EQ(scan.At(600, Baseline(1)), g_crGreen);
    EXPECT_EQ(scan.At(600, Baseline(2)), g_crGreen);
    EXPECT_EQ(scan.At(600, Baseline(8)), g_crRed);
    // Each trace carries its channel's label 15 mm above its baseline.
    EXPECT_GT(scan.Count(CRect(20, Baseline(0) - 60, 60, Baseline(0) - 44), IsWhiteText), 5);
    EXPECT_GT(scan.Count(CRect(20, Baseline(8) - 60, 70, Baseline(8) - 44), IsWhiteText), 5);
    // The channel with another lead code is not drawn: nothing cyan anywhere.
    EXPECT_EQ(scan.Count(CRect(0, 0, 1280, 800), IsCyanFamily), 0);
    // The grid is (5 + 1) x 20 mm high; the pressure row lies below it.
    EXPECT_EQ(m_harness.View().GetExtent(), CRect(0, 0, (250 + 5) * 4, 480));
}

TEST_F(BloodPressureRendererTest, FullLayoutDrawsEveryChannelInItsOwnRow) {
    CWaveRecording recording(g_wBloodPressure, g_n500Hz, g_n1000Nv);
    recording.Add(Flat(g_wLeadII)).Add(Flat(g_wLeadV1)).Add(Flat(g_wLeadV5)).Add(Flat(g_wPressure));
    OpenAndPaint(recording, 0);
    EXPECT_EQ(Scan().At(600, Baseline(2)), g_crGreen);
    EXPECT_EQ(Scan().At(600, Baseline(3)), g_crRed);
    EXPECT_EQ(Scan().Count(CRect(0, 0, 1280, 800), IsScale), 0);
}

TEST_F(BloodPressureRendererTest, ElectrophysiologyLayoutStacksLead262UnderLeadII) {
    CWaveRecording recording(g_wBloodPressure, g_n500Hz, g_n1000Nv);
    recording.Add(Flat(g_wElectrophysiology))
        .Add(Flat(g_wLeadV1))
        .Add(Flat(g_wElectrophysiology))
        .Add(Flat(g_wLeadII))
        .Add(Flat(g_wElectrophysiology));
    OpenAndPaint(recording, 2);
    const CPixelScan scan = Scan();
    EXPECT_EQ(scan.At(600, Baseline(0)), g_crGreen);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(scan.At(600, Baseline(r)), g_crYellow) << r;
    EXPECT_NE(scan.At(600, Baseline(4)), g_crYellow);
}

TEST_F(BloodPressureRendererTest, EcgViewHandsTheDrawingToTheTwelveLeadDisplay) {
    CWaveRecording recording(g_wBloodPressure, g_n500Hz, g_n1000Nv);
    recording.Add(Flat(g_wLeadII));
    OpenAndPaint(recording, 0);
    EXPECT_EQ(m_harness.View().GetExtent(), CRect(0, 0, 1020, 160));

    m_harness.Settings().m_bEcgView = 1;
    m_harness.Paint();
    EXPECT_EQ(m_harness.View().GetExtent(), m_harness.View().GetEcg12Renderer()->m_rcExtent);
    EXPECT_NE(Scan().At(600, Baseline(0)), g_crGreen);
}

// ---- Scales ----------------------------------------------------------------------------------

struct MmHgCase {
    const char* m_pszName;
    uint32_t m_nResolution;
    int32_t m_nSensitivity;
    int m_y100;
    int m_y200;
};

class MmHgScaleTest : public BloodPressureRendererTest, public testing::WithParamInterface<MmHgCase> {};

TEST_P(MmHgScaleTest, LinesLieAtSampleValues800And1600) {
    const MmHgCase& c = GetParam();
    CWaveRecording recording(g_wBloodPressure, 8000, c.m_nResolution);
    recording.Add({.m_wLead = g_wPressure, .m_anSamples = SquareWave(800, 1600, 60, 1250)});
    m_harness.Settings().m_nSensitivity = c.m_nSensitivity;
    OpenAndPaint(recording, 1);
    const CPixelScan scan = Scan();
    // Past the rise from the baseline, whose flat run is drawn a row below its level, and clear of
    // the flush at the trace's end, which fades a row beside it.
    const CRect rcTrace(60, 0, 900, 800);
    EXPECT_GT(scan.Count(CRect(0, c.m_y100, 1000, c.m_y100 + 1), IsScale), 0);
    EXPECT_GT(scan.Count(CRect(0, c.m_y200, 1000, c.m_y200 + 1), IsScale), 0);
    EXPECT_GT(scan.Count(CRect(0, Baseline(8), 1000, Baseline(8) + 1), IsScale), 900);
    EXPECT_EQ(scan.TopRow(rcTrace, IsRedFamily), c.m_y200);
    EXPECT_EQ(scan.BottomRow(rcTrace, IsRedFamily), c.m_y100);
    // The scale's texts stand 20 pixels above their lines.
    EXPECT_GT(scan.Count(CRect(10, c.m_y100 - 20, 80, c.m_y100 - 4), IsScale), 5);
}

// Row 8's baseline is 720; 100 mmHg lies R x 4 x code / 5 pixels above it.
INSTANTIATE_TEST_SUITE_P(Resolutions, MmHgScaleTest,
                         testing::Values(MmHgCase{"R125AtOne", 125, 2, 520, 320},
                                         MmHgCase{"R100AtHalf", 100, 1, 640, 560},
                                         MmHgCase{"R60AtTwo", 60, 4, 528, 336}),
                         TestCaseName());

struct MillivoltCase {
    const char* m_pszName;
    int32_t m_nSensitivity;
    int m_nPixels;
};

class BpMillivoltTest : public BloodPressureRendererTest,
                        public testing::WithParamInterface<MillivoltCase> {};

TEST_P(BpMillivoltTest, OneMillivoltOfEcgLandsOnePixelShortOfTheExactHeight) {
    CWaveRecording recording(g_wBloodPressure, g_n500Hz, g_n1000Nv);
    recording.Add({.m_wLead = g_wLeadII, .m_anSamples = SquareWave(0, 1000, 100, g_nTenSecondsAt500Hz)});
    m_harness.Settings().m_nSensitivity = GetParam().m_nSensitivity;
    OpenAndPaint(recording, 0);
    const CRect rcTrace(5, 0, 1000, 160);
    EXPECT_EQ(Scan().TopRow(rcTrace, IsGreenFamily), Baseline(0) - GetParam().m_nPixels);
    EXPECT_EQ(Scan().BottomRow(rcTrace, IsGreenFamily), Baseline(0));
}

INSTANTIATE_TEST_SUITE_P(Sensitivities, BpMillivoltTest,
                         testing::Values(MillivoltCase{"Half", 1, 19}, MillivoltCase{"One", 2, 39},
                                         MillivoltCase{"Two", 4, 79}),
                         TestCaseName());

struct ClipCase {
    const char* m_pszName;
    uint16_t m_wLead;
    bool (*m_pfnFamily)(COLORREF);
};

class BpClipTest : public BloodPressureRendererTest, public testing::WithParamInterface<ClipCase> {};

TEST_P(BpClipTest, ChannelsOfOtherKindsAreClippedAt40Pixels) {
    CWaveRecording recording(g_wBloodPressure, g_n500Hz, g_n1000Nv);
    recording.Add(
        {.m_wLead = GetParam().m_wLead, .m_anSamples = SquareWave(-30000, 30000, 100, g_nTenSecondsAt500Hz)});
    OpenAndPaint(recording, 0);
    const CRect rcTrace(100, 0, 1000, 200);
    EXPECT_EQ(Scan().TopRow(rcTrace, GetParam().m_pfnFamily), Baseline(0) - 40);
    EXPECT_EQ(Scan().BottomRow(rcTrace, GetParam().m_pfnFamily), Baseline(0) + 40);
}

INSTANTIATE_TEST_SUITE_P(Kinds, BpClipTest,
                         testing::Values(ClipCase{"NoLeadCodeInGrey", 0, IsGreyFamily},
                                         ClipCase{"OtherCodeInCyan", 300, IsCyanFamily}),
                         TestCaseName());

// ---- Extent and time base --------------------------------------------------------------------

struct ExtentCase {
    const char* m_pszName;
    int m_nSamples;
    int m_nRight;
};

class BpExtentTest : public BloodPressureRendererTest, public testing::WithParamInterface<ExtentCase> {};

TEST_P(BpExtentTest, OneColumnPerFortyMillisecondsPlusMargin) {
    CWaveRecording recording(g_wBloodPressure, 1000, g_n1000Nv, 10);
    recording.Add({.m_wLead = g_wLeadII, .m_anSamples = Constant(0, GetParam().m_nSamples)});
    OpenAndPaint(recording, 0);
    EXPECT_EQ(m_harness.View().GetExtent(), CRect(0, 0, GetParam().m_nRight, 160));
}

INSTANTIATE_TEST_SUITE_P(Durations, BpExtentTest,
                         testing::Values(ExtentCase{"TenSeconds", 10000, 1020},
                                         ExtentCase{"TenSecondsTenMilliseconds", 10010, 1040}),
                         TestCaseName());

TEST_F(BloodPressureRendererTest, DayLongRecordingKeepsItsFullWidth) {
    constexpr int nSeconds = 86400;
    CWaveRecording recording(g_wBloodPressure, 1000000, g_n1000Nv);
    recording.Add({.m_wLead = g_wLeadII, .m_anSamples = SquareWave(0, 1000, 4, nSeconds)});
    OpenAndPaint(recording, 0);
    // 86 400 000 ms is 2 160 000 columns of a millimetre.
    EXPECT_EQ(m_harness.View().GetExtent(), CRect(0, 0, (2160000 + 5) * 4, 160));

    m_harness.Window().ScrollToPosition(CPoint(2160000 * 4 - 1280, 0));
    m_harness.Paint();
    EXPECT_GT(Scan().Count(CRect(0, 0, 1200, 160), IsGreenFamily), 100);
}

TEST_F(BloodPressureRendererTest, ChannelsAtDifferentRatesShareOneTimeAxis) {
    // As a bedside monitor writes it: ECG at 500 Hz in blocks of 100, pressure at 125 Hz in blocks
    // of 25, each with its own resolution; one beat-like spike 5 seconds in on both.
    std::vector<int16_t> anEcg = Constant(0, 15000);
    anEcg[2500] = 300;
    std::vector<int16_t> anPressure = Constant(800, 3750);
    anPressure[625] = 1600;
    CWaveRecording recording(g_wBloodPressure, g_n500Hz, 2500, 100);
    recording.Add({.m_wLead = g_wLeadII, .m_anSamples = anEcg})
        .Add({.m_wLead = g_wPressure,
              .m_anSamples = anPressure,
              .m_nIntervalUs = 8000,
              .m_nResolutionNv = 125,
              .m_nBlockLength = 25});
    OpenAndPaint(recording, 1);
    EXPECT_EQ(m_harness.View().GetExtent(), CRect(0, 0, (750 + 5) * 4, 240));
    // 100 pixels per second: the spikes lie 500 pixels in, whatever each channel's rate.
    const std::optional<int> xEcg = Scan().ColumnOfTop(CRect(5, 0, 1280, Baseline(0) + 1), IsGreenFamily);
    const std::optional<int> xPressure = Scan().ColumnOfTop(CRect(5, 250, 1280, 800), IsRedFamily);
    ASSERT_TRUE(xEcg && xPressure);
    EXPECT_NEAR(*xEcg, 500, 2);
    EXPECT_NEAR(*xPressure, 500, 2);
}

struct WindowCase {
    const char* m_pszName;
    bool m_bPageTile;
};

class BpWindowTest : public BloodPressureRendererTest, public testing::WithParamInterface<WindowCase> {};

TEST_P(BpWindowTest, ShowsTheSamplesUnderTheVisiblePart) {
    std::vector<int16_t> anEcg = Constant(0, 15000);
    anEcg[10000] = 1000; // 20 seconds in: 2000 pixels
    CWaveRecording recording(g_wBloodPressure, g_n500Hz, g_n1000Nv);
    recording.Add({.m_wLead = g_wLeadII, .m_anSamples = anEcg});
    OpenAndPaint(recording, 0);
    const CRect rcRow(5, 0, 1280, Baseline(0) + 1);
    if (GetParam().m_bPageTile) {
        QImage image = CRasterDC::CreateImage(CSize(1280, 800), RGB(255, 255, 255));
        CRasterDC dc(image);
        dc.SetWindowOrg(1500, 0);
        m_harness.View().OnDraw(&dc);
        const std::optional<int> x = CPixelScan(dc.GetImage()).ColumnOfTop(rcRow, IsGreenFamily);
        ASSERT_TRUE(x);
        EXPECT_NEAR(*x, 500, 2);
        EXPECT_EQ(CPixelScan(dc.GetImage()).At(300, 700), g_crBlack);
        return;
    }
    m_harness.Window().ScrollToPosition(CPoint(1500, 0));
    m_harness.Paint();
    const std::optional<int> x = Scan().ColumnOfTop(rcRow, IsGreenFamily);
    ASSERT_TRUE(x);
    EXPECT_NEAR(*x, 500, 2);
}

INSTANTIATE_TEST_SUITE_P(Windows, BpWindowTest,
                         testing::Values(WindowCase{"Scrolled", false}, WindowCase{"PageTile", true}),
                         TestCaseName());

TEST_F(BloodPressureRendererTest, ChannelWithoutSamplesIsSkipped) {
    // Channel 1 has no block length of its own data, so it has no sample array.
    CMferWriter w;
    w.WaveformType(g_wBloodPressure).Channels(2).BlockLength(1).Sequences(5000);
    w.SamplingInterval(1, -6, g_n500Hz, 4).Resolution(0, -9, g_n1000Nv, 4);
    w.ChannelBlock(0, [](CMferWriter& block) { block.LeadCode(g_wLeadII); });
    w.ChannelBlock(1, [](CMferWriter& block) { block.LeadCode(g_wPressure).BlockLength(0); });
    w.Waveform16(Constant(0, 5000));
    ASSERT_TRUE(m_harness.Open(w));
    m_harness.Settings().m_nLayout = 0;
    m_harness.Paint();
    EXPECT_EQ(Scan().At(600, Baseline(0)), g_crGreen);
    EXPECT_EQ(Scan().Count(CRect(0, Baseline(1) - 60, 1280, Baseline(1) + 40), IsRedFamily), 0);
    EXPECT_EQ(Scan().Count(CRect(0, Baseline(1) - 60, 200, Baseline(1) - 40), IsWhiteText), 0);
}

} // namespace
