#include "displays/longterm/CStripLayout.h"
#include "mfer/MferAttributes.h"

#include "TestCaseName.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    const char* m_pszName;
    int32_t nInterval;
    int32_t nSequences;
    int32_t nBlockLength;
    int nClientWidth;
    int nRows;
    int nWidth;
    int64_t nSamplesPerRow;
    int nLabelStep;
};

class StripLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(StripLayoutTest, DerivesRowsWidthAndSamplesPerRow) {
    const LayoutCase& c = GetParam();
    MferAttributes attr{};
    attr.m_nSamplingInterval = c.nInterval;
    attr.m_nSequences = c.nSequences;
    attr.m_nBlockLength = c.nBlockLength;
    attr.m_nChannels = 3;
    const CStripLayout layout(attr, 4, c.nClientWidth);
    EXPECT_EQ(layout.m_nRows, c.nRows);
    EXPECT_EQ(layout.m_nWidth, c.nWidth);
    EXPECT_EQ(layout.m_nSamplesPerRow, c.nSamplesPerRow);
    EXPECT_EQ(layout.m_nLabelStep, c.nLabelStep);
    EXPECT_EQ(layout.m_nRowHeight, 80);
    EXPECT_EQ(layout.m_nChannels, 2) << "a third channel is never drawn";
}

INSTANTIATE_TEST_SUITE_P(
    Recordings, StripLayoutTest,
    testing::Values(LayoutCase{"TenMinutesNarrow", 4000, 600, 250, 1280, 20, 750, 7500, 30},
                    LayoutCase{"TenMinutesWide", 4000, 600, 250, 1500, 10, 1500, 15000, 60},
                    LayoutCase{"JustBelowWide", 4000, 600, 250, 1499, 20, 750, 7500, 30},
                    LayoutCase{"FortyFourSecondsIsOneRow", 4000, 44, 250, 1280, 1, 750, 7500, 30},
                    LayoutCase{"FortyFiveSecondsIsTwoRows", 4000, 45, 250, 1280, 2, 750, 7500, 30},
                    LayoutCase{"FourteenSecondsHasNoRow", 4000, 14, 250, 1280, 0, 750, 7500, 30},
                    // 21.6 million samples: in 32 bits the duration product wraps.
                    LayoutCase{"DayAt250Hz", 4000, 86400, 250, 1280, 2880, 750, 7500, 30},
                    LayoutCase{"DayAt1000HzWide", 1000, 86400, 1000, 1920, 1440, 1500, 60000, 60},
                    LayoutCase{"NoSamplingInterval", 0, 600, 250, 1280, 0, 750, 0, 30}),
    TestCaseName());

} // namespace
