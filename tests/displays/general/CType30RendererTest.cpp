#include "BandPixels.h"
#include "BandRecording.h"
#include "CViewHarness.h"
#include "TestCaseName.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr uint16_t g_wType30 = 30;
constexpr COLORREF g_crBlack = RGB(0, 0, 0);
constexpr COLORREF g_crWhite = RGB(255, 255, 255);
constexpr COLORREF g_crFine = RGB(164, 255, 164);
constexpr COLORREF g_crHeavy = RGB(64, 220, 64);

// Grid origin (12 mm, 5 mm) and bands of 30 mm, at s pixels per millimetre.
int OriginX(int s) {
    return 12 * s;
}
int Baseline(int nChannel, int s) {
    return 5 * s + 30 * s * (nChannel + 1);
}

BandRecording Type30(const std::vector<BandChannel>& aChannels, int nSamples = 0) {
    BandRecording rec;
    rec.wWaveformType = g_wType30;
    rec.aChannels = aChannels;
    if (nSamples > 0)
        for (BandChannel& channel : rec.aChannels)
            channel.anSamples.resize(static_cast<size_t>(nSamples), channel.anSamples.back());
    return rec;
}

BandChannel Constant(uint16_t wLead, int16_t nValue) {
    return {wLead, ConstantSamples(nValue, 10000)};
}

TEST(Type30ExtentTest, TenSecondsOfFourChannels) {
    CViewHarness harness;
    ASSERT_TRUE(
        harness.Open(Type30({Constant(2, 0), Constant(513, 0), Constant(514, 0), Constant(515, 0)}).Build()));
    harness.Paint();
    EXPECT_EQ(harness.View().GetCategory(), 6);
    EXPECT_EQ(harness.View().GetExtent(), CRect(0, 0, 2020, 600));
}

TEST(Type30ExtentTest, TwentyFourHoursDoNotWrapAround) {
    BandRecording rec = Type30({{513, ConstantSamples(0, 86400)}});
    rec.nIntervalUs = 1000000;
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(rec.Build()));
    harness.Paint();
    EXPECT_EQ(harness.View().GetExtent(), CRect(0, 0, 17280020, 240));
}

TEST(Type30GeometryTest, BaselinesAndLabelsOfTheFourBands) {
    constexpr int s = 4;
    constexpr uint16_t wUnlabelled = 600;
    const int anBaselines[] = {140, 260, 380, 500};
    // The same paper without labels, with the expected labels written on it.
    CViewHarness unlabelled;
    ASSERT_TRUE(unlabelled.Open(Type30({Constant(wUnlabelled, 0), Constant(wUnlabelled, 0),
                                        Constant(wUnlabelled, 0), Constant(wUnlabelled, 0)})
                                    .Build()));
    QImage reference = unlabelled.Paint().copy();
    const char* apszLabels[] = {"II", "L", "M", "H"};
    for (int c = 0; c < 4; ++c)
        DrawExpectedLabel(reference, apszLabels[c], 68, anBaselines[c] - 60, s, g_crBlack);

    CViewHarness harness;
    ASSERT_TRUE(
        harness.Open(Type30({Constant(2, 0), Constant(513, 0), Constant(514, 0), Constant(515, 0)}).Build()));
    const QImage& image = harness.Paint();
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(Baseline(c, s), anBaselines[c]);
        EXPECT_TRUE(IsLineAt(harness, OriginX(s) + 400, anBaselines[c], g_crBlack)) << "channel " << c;
        const int yLabel = anBaselines[c] - 60;
        const CRect rcLabel(OriginX(s), yLabel - 10, OriginX(s) + 80, yLabel + 4 * s + 10);
        EXPECT_FALSE(SameRegion(unlabelled.Image(), image, rcLabel)) << apszLabels[c];
        EXPECT_TRUE(SameRegion(reference, image, rcLabel)) << apszLabels[c];
    }
}

TEST(Type30GeometryTest, UnnamedRawChannelHasNoLabel) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(Type30({Constant(600, 0)}).Build()));
    const QImage& image = harness.Paint();
    EXPECT_TRUE(IsLineAt(harness, 448, 140, g_crBlack));
    EXPECT_TRUE(PixelsOfColor(image, CRect(0, 0, 1280, 130), g_crBlack).empty());
}

// ---- Heights ---------------------------------------------------------------------------------

struct HeightCase {
    const char* m_pszName;
    uint16_t wLead;
    int16_t nSample;
    int nSensitivity;
    int nTimeScale;
    int nPixelsUp;
};

class Type30HeightTest : public testing::TestWithParam<HeightCase> {};

// Half a second at the value, half a second at zero, ten times.
std::vector<int16_t> SquareWave(int16_t nValue) {
    std::vector<int16_t> anSamples(10000, 0);
    for (size_t i = 0; i < anSamples.size(); ++i)
        if (i % 1000 < 500)
            anSamples[i] = nValue;
    return anSamples;
}

TEST_P(Type30HeightTest, DrawsTheSampleAtItsHeight) {
    const HeightCase& c = GetParam();
    const int s = c.nTimeScale - 2;
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(Type30({{c.wLead, SquareWave(c.nSample)}}).Build()));
    harness.Settings().m_nSensitivity = c.nSensitivity;
    harness.Settings().m_nTimeScale = c.nTimeScale;
    const QImage& image = harness.Paint();
    // Right of the label, around the baseline: the trace's farthest black row.
    const int y0 = Baseline(0, s);
    const PixelSet trace = PixelsOfColor(image, CRect(200, y0 - 120, 1280, y0 + 20), g_crBlack);
    ASSERT_FALSE(trace.empty());
    int yFarthest = y0;
    for (const auto& [x, y] : trace)
        yFarthest = c.nPixelsUp > 0 ? std::min(yFarthest, y) : std::max(yFarthest, y);
    EXPECT_EQ(y0 - yFarthest, c.nPixelsUp);
}

// Raw channels: a quarter pixel per unit whatever the scale; ECG leads: 10 mm/mV less the
// single-precision pixel.
INSTANTIATE_TEST_SUITE_P(Samples, Type30HeightTest,
                         testing::Values(HeightCase{"RawAtStandard", 513, 400, 2, 6, 100},
                                         HeightCase{"RawIgnoresSensitivity", 513, 400, 4, 6, 100},
                                         HeightCase{"RawIgnoresZoom", 514, 400, 1, 10, 100},
                                         HeightCase{"RawNegativeTruncatesTowardZero", 515, -7, 2, 6, -1},
                                         HeightCase{"LeadIIOneMillivolt", 2, 1000, 2, 6, 39},
                                         HeightCase{"LeadIIHalfSensitivity", 2, 1000, 1, 6, 19},
                                         HeightCase{"LeadZeroIsCalibrated", 0, 1000, 2, 6, 39},
                                         HeightCase{"LastCalibratedCode", 127, 1000, 2, 6, 39},
                                         HeightCase{"FirstRawCode", 128, 100, 2, 6, 25}),
                         TestCaseName());

// ---- Drawing style and colours ---------------------------------------------------------------

std::vector<int16_t> Ramp(int nSamples, int nStep) {
    std::vector<int16_t> anSamples(static_cast<size_t>(nSamples));
    for (int i = 0; i < nSamples; ++i)
        anSamples[static_cast<size_t>(i)] = static_cast<int16_t>(i * nStep);
    return anSamples;
}

TEST(Type30StyleTest, EcgLeadIsAntiAliasedEvenWithoutTheSmoothSwitch) {
    constexpr COLORREF crGrey6 = RGB(96, 96, 96);
    CViewHarness harness;
    // About one pixel up per column: each step a grey pixel over a black one.
    ASSERT_TRUE(harness.Open(Type30({{2, Ramp(2000, 5)}}).Build()));
    ASSERT_EQ(harness.Settings().m_bSmooth, 0);
    const QImage& image = harness.Paint();
    EXPECT_GT(PixelsOfColor(image, CRect(0, 0, 1280, 160), crGrey6).size(), 100u);
}

TEST(Type30StyleTest, RawChannelIsAnEnvelopeWithoutShades) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(Type30({{513, Ramp(2000, 5)}}).Build()));
    const QImage& image = harness.Paint();
    for (int k = 1; k < 16; ++k)
        EXPECT_TRUE(PixelsOfColor(image, CRect(0, 0, 1280, 600), RGB(16 * k, 16 * k, 16 * k)).empty()) << k;
}

TEST(Type30StyleTest, ColourSettingsOfTheUniversalDisplayChangeNothing) {
    constexpr int s = 4;
    CViewHarness harness;
    harness.Profile().WriteProfileInt("Universal", "BackColor", 3);
    harness.Profile().WriteProfileInt("Universal", "ScaleWidth", 1);
    harness.Profile().WriteProfileInt("Universal", "WaveColor", static_cast<int>(RGB(255, 0, 0)));
    ASSERT_TRUE(harness.Open(Type30({Constant(513, 0)}).Build()));
    harness.Paint();
    const int yBetweenRows = 5 * s + 2 * s + 2;
    EXPECT_EQ(harness.Pixel(OriginX(s) + s, yBetweenRows), g_crFine);
    EXPECT_EQ(harness.Pixel(OriginX(s) + 5 * s, yBetweenRows), g_crHeavy);
    EXPECT_EQ(harness.Pixel(OriginX(s) + 2, yBetweenRows), g_crWhite);
    EXPECT_TRUE(IsLineAt(harness, OriginX(s) + 400, Baseline(0, s), g_crBlack));
}

} // namespace
