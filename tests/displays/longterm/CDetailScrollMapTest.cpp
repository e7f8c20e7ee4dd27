#include "displays/longterm/CDetailScrollMap.h"

#include "TestCaseName.h"

#include <gtest/gtest.h>

namespace {

struct ScrollCase {
    const char* m_pszName;
    int nInterval;
    int64_t nRangeSamples;
    int64_t nLineSamples;
    int64_t nPageSamples;
    int64_t nMinuteSamples;
    int64_t nSamplesAtThumb3000; // the thumb at 3000 pixels: 30 seconds in
};

class DetailScrollMapTest : public testing::TestWithParam<ScrollCase> {};

TEST_P(DetailScrollMapTest, ScrollQuantitiesFollowTheSamplingRate) {
    const ScrollCase& c = GetParam();
    const CDetailScrollMap map(c.nInterval, 4);
    EXPECT_EQ(map.GetScrollMax(), 5500);
    EXPECT_EQ(map.GetRangeSamples(), c.nRangeSamples);
    EXPECT_EQ(map.GetLineSamples(), c.nLineSamples);
    EXPECT_EQ(map.GetPageSamples(), c.nPageSamples);
    EXPECT_EQ(map.GetMinuteSamples(), c.nMinuteSamples);
    EXPECT_EQ(map.SamplesOf(3000), c.nSamplesAtThumb3000);
    // The thumb and the drawn trace agree: the pixel position of a sample maps back to it.
    EXPECT_EQ(map.PixelsOf(c.nSamplesAtThumb3000), 3000);
    EXPECT_EQ(map.PixelsOf(map.GetRangeSamples()), 5500);
    EXPECT_EQ(map.SamplesOf(5500), c.nRangeSamples);
}

INSTANTIATE_TEST_SUITE_P(Rates, DetailScrollMapTest,
                         testing::Values(ScrollCase{"At250Hz", 4000, 13'750, 20, 500, 15'000, 7500},
                                         ScrollCase{"At500Hz", 2000, 27'500, 40, 1000, 30'000, 15'000},
                                         ScrollCase{"At125Hz", 8000, 6875, 10, 250, 7500, 3750},
                                         ScrollCase{"At1000Hz", 1000, 55'000, 80, 2000, 60'000, 30'000}),
                         TestCaseName());

TEST(DetailScrollMapTest, TwoHundredFiftyHertzKeepsTheTenthsOfTheOriginalMapping) {
    const CDetailScrollMap map(4000, 4);
    // Sample offset times 4 / 10, truncated; thumb pixels times 10 / 4, truncated.
    EXPECT_EQ(map.PixelsOf(7501), 3000);
    EXPECT_EQ(map.PixelsOf(7503), 3001);
    EXPECT_EQ(map.SamplesOf(3001), 7502);
}

TEST(DetailScrollMapTest, NoSamplingIntervalScrollsNowhere) {
    const CDetailScrollMap map(0, 4);
    EXPECT_FALSE(map.HasTimeBase());
    EXPECT_EQ(map.GetRangeSamples(), 0);
    EXPECT_EQ(map.SamplesOf(3000), 0);
    EXPECT_EQ(map.PixelsOf(1000), 0);
}

} // namespace
