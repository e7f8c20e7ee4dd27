#include "displays/eeg/CPixelColumnReducer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct SClosedColumn {
    int m_nSample;
    SPixelColumn m_column;
};

std::vector<SClosedColumn> Reduce(int nBaseX, double dPixelsPerSample,
                                  const std::vector<int16_t>& anOffsets) {
    CPixelColumnReducer reducer(nBaseX, dPixelsPerSample);
    std::vector<SClosedColumn> aClosed;
    for (size_t i = 0; i < anOffsets.size(); ++i)
        if (const SPixelColumn* pColumn = reducer.Add(anOffsets[i]))
            aClosed.push_back({static_cast<int>(i), *pColumn});
    return aClosed;
}

TEST(PixelColumnReducerTest, ColumnsCloseWhenTheRunningPositionReachesTheNextPixel) {
    // 0.1 pixel per sample summed in doubles: ten steps fall just short of one pixel.
    const std::vector<SClosedColumn> aClosed = Reduce(0, 0.1, std::vector<int16_t>(52, 0));
    ASSERT_EQ(aClosed.size(), 5u);
    const int anSamples[] = {11, 20, 30, 40, 51};
    for (size_t k = 0; k < aClosed.size(); ++k) {
        EXPECT_EQ(aClosed[k].m_nSample, anSamples[k]);
        EXPECT_EQ(aClosed[k].m_column.m_nX, static_cast<int>(k) + 1);
    }
}

TEST(PixelColumnReducerTest, TheClosingSampleAlsoOpensTheNextColumn) {
    // Two samples per pixel, on from pixel 100.
    const std::vector<SClosedColumn> aClosed = Reduce(100, 0.5, {5, -3, 7, 2, -8, 1});
    ASSERT_EQ(aClosed.size(), 2u);
    EXPECT_EQ(aClosed[0].m_column.m_nX, 101);
    // The first column starts from zero and spans the samples up to the closing one.
    EXPECT_EQ(aClosed[0].m_column.m_nLo, -3);
    EXPECT_EQ(aClosed[0].m_column.m_nHi, 7);
    EXPECT_EQ(aClosed[1].m_column.m_nX, 102);
    EXPECT_EQ(aClosed[1].m_column.m_nLo, -8);
    EXPECT_EQ(aClosed[1].m_column.m_nHi, 7);
}

TEST(PixelColumnReducerTest, WideSamplesCloseAColumnEach) {
    const std::vector<SClosedColumn> aClosed = Reduce(0, 2.5, {1, 2, 3});
    ASSERT_EQ(aClosed.size(), 2u);
    EXPECT_EQ(aClosed[0].m_column.m_nX, 2);
    EXPECT_EQ(aClosed[1].m_column.m_nX, 5);
}

TEST(PixelColumnReducerTest, PeakIsTheExtremeFartherFromZeroAndTheLowOneOnATie) {
    EXPECT_EQ((SPixelColumn{0, -5, 3}.Peak()), -5);
    EXPECT_EQ((SPixelColumn{0, -3, 5}.Peak()), 5);
    EXPECT_EQ((SPixelColumn{0, -4, 4}.Peak()), -4);
    EXPECT_EQ((SPixelColumn{0, -7, 2}.Middle()), -2);
}

} // namespace
