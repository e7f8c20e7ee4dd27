#include "displays/ecg12/CHighCutFilter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int32_t kOneMsUs = 1000;

// Peak output over the last second of three seconds of a sine at the given frequency, 1 kHz sampling.
int32_t PeakResponse(double dHz, int32_t nAmplitude) {
    CHighCutFilter filter;
    filter.InitFilter(kOneMsUs);
    int32_t nPeak = 0;
    for (int i = 0; i < 3000; ++i) {
        const double dPhase = 2 * std::numbers::pi * dHz * i / 1000.0;
        const int32_t y = filter.FilterSample(static_cast<int32_t>(nAmplitude * std::sin(dPhase)));
        if (i >= 2000)
            nPeak = std::max(nPeak, std::abs(y));
    }
    return nPeak;
}

TEST(CHighCutFilterTest, PassesTheEcgBandAndCutsAbove30Hz) {
    EXPECT_GE(PeakResponse(5, 1000), 990);
    EXPECT_GE(PeakResponse(10, 1000), 980);
    const int32_t nAtCutoff = PeakResponse(30, 1000);
    EXPECT_GT(nAtCutoff, 600);
    EXPECT_LT(nAtCutoff, 760);
    EXPECT_LT(PeakResponse(100, 1000), 120);
    EXPECT_LE(PeakResponse(500, 1000), 1);
}

TEST(CHighCutFilterTest, SettlesOnAConstantFromRest) {
    CHighCutFilter filter;
    filter.InitFilter(kOneMsUs);
    EXPECT_EQ(filter.FilterSample(1000), 7);
    int32_t y = 0;
    for (int i = 0; i < 200; ++i)
        y = filter.FilterSample(1000);
    EXPECT_GE(y, 999);
    EXPECT_LE(y, 1000);
    filter.InitFilter(kOneMsUs);
    EXPECT_EQ(filter.FilterSample(0), 0);
}

TEST(CHighCutFilterTest, ZeroIntervalOutputsZeroInsteadOfFailing) {
    CHighCutFilter filter;
    filter.InitFilter(0);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(filter.FilterSample(1000), 0);
}

} // namespace
