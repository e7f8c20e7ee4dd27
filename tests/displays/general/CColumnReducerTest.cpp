#include "displays/general/CColumnReducer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Closed {
    int nSample;
    BandColumn column;
};

std::vector<Closed> Reduce(CColumnReducer& reducer, const std::vector<int16_t>& anSamples, int nFirst = 0) {
    std::vector<Closed> aClosed;
    for (size_t i = 0; i < anSamples.size(); ++i)
        if (reducer.Add(anSamples[i]))
            aClosed.push_back({nFirst + static_cast<int>(i), reducer.Column()});
    return aClosed;
}

TEST(CColumnReducerTest, TenthOfAPixelPerSampleClosesColumnsByTheRunningSum) {
    CColumnReducer reducer(0.1, 0, 0);
    const std::vector<Closed> aClosed = Reduce(reducer, std::vector<int16_t>(52, 0));
    ASSERT_EQ(aClosed.size(), 5u);
    const int anSamples[] = {11, 20, 30, 40, 51};
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(aClosed[n].nSample, anSamples[n]);
        EXPECT_EQ(aClosed[n].column.x, n + 1);
    }
}

TEST(CColumnReducerTest, ClosingSampleAlsoOpensTheNextColumn) {
    CColumnReducer reducer(0.5, 0, 0);
    const std::vector<Closed> aClosed = Reduce(reducer, {3, -2, 8, 1, -5});
    ASSERT_EQ(aClosed.size(), 2u);
    // The first column starts from the baseline at pixel 0.
    EXPECT_EQ(aClosed[0].nSample, 2);
    EXPECT_EQ(aClosed[0].column.x, 1);
    EXPECT_EQ(aClosed[0].column.lo, -2);
    EXPECT_EQ(aClosed[0].column.hi, 8);
    EXPECT_EQ(aClosed[0].column.xPrev, 0);
    EXPECT_EQ(aClosed[0].column.midPrev, 0);
    EXPECT_EQ(aClosed[0].column.hiPrev, 0);
    EXPECT_EQ(aClosed[1].nSample, 4);
    EXPECT_EQ(aClosed[1].column.x, 2);
    EXPECT_EQ(aClosed[1].column.lo, -5);
    EXPECT_EQ(aClosed[1].column.hi, 8);
    EXPECT_EQ(aClosed[1].column.xPrev, 1);
    EXPECT_EQ(aClosed[1].column.midPrev, 3);
    EXPECT_EQ(aClosed[1].column.hiPrev, 8);
}

TEST(CColumnReducerTest, MiddleOfARangeTruncatesTowardZero) {
    CColumnReducer reducer(1.0, 0, 0);
    const std::vector<Closed> aClosed = Reduce(reducer, {-5, -5, 2, 2});
    ASSERT_EQ(aClosed.size(), 3u);
    EXPECT_EQ(aClosed[1].column.lo, -5);
    EXPECT_EQ(aClosed[1].column.hi, 2);
    EXPECT_EQ(aClosed[2].column.midPrev, -1);
}

TEST(CColumnReducerTest, WideSamplesCloseAColumnEachAtTheirOwnPixel) {
    CColumnReducer reducer(2.5, 0, 0);
    const std::vector<Closed> aClosed = Reduce(reducer, {1, 2, 3, 4});
    ASSERT_EQ(aClosed.size(), 3u);
    EXPECT_EQ(aClosed[0].column.x, 2);
    EXPECT_EQ(aClosed[1].column.x, 5);
    EXPECT_EQ(aClosed[2].column.x, 7);
    EXPECT_EQ(aClosed[2].column.lo, 3);
    EXPECT_EQ(aClosed[2].column.hi, 4);
}

TEST(CColumnReducerTest, StartingInsideTheRecordingContinuesFromTheFirstSamplesPixelAndHeight) {
    CColumnReducer reducer(0.5, 10, 7);
    const std::vector<Closed> aClosed = Reduce(reducer, {7, 9, 1}, 10);
    ASSERT_EQ(aClosed.size(), 1u);
    EXPECT_EQ(aClosed[0].nSample, 12);
    EXPECT_EQ(aClosed[0].column.x, 6);
    EXPECT_EQ(aClosed[0].column.lo, 1);
    EXPECT_EQ(aClosed[0].column.hi, 9);
    EXPECT_EQ(aClosed[0].column.xPrev, 5);
    EXPECT_EQ(aClosed[0].column.midPrev, 7);
    EXPECT_EQ(aClosed[0].column.hiPrev, 7);
}

} // namespace
