#include "CViewHarness.h"
#include "TestCaseName.h"
#include "ViewTestFixtures.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

namespace {

struct CategoryCase {
    const char* m_pszName;
    uint16_t wWaveformType;
    int nCategory;
};

class CategoryTest : public testing::TestWithParam<CategoryCase> {};

TEST_P(CategoryTest, FollowsTheWaveformTypeOfTheFirstFrame) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(GetParam().wWaveformType)));
    EXPECT_EQ(harness.View().GetCategory(), GetParam().nCategory);
}

INSTANTIATE_TEST_SUITE_P(Types, CategoryTest,
                         testing::Values(CategoryCase{"Ecg12", 1, 1}, CategoryCase{"LongTerm", 2, 2},
                                         CategoryCase{"BloodPressure", 20, 5}, CategoryCase{"Type30", 30, 6},
                                         CategoryCase{"Eeg", 40, 4}, CategoryCase{"OtherCode", 5, 3},
                                         CategoryCase{"NoCode", 0, 3},
                                         CategoryCase{"HighByteOnly", 0x2800, 3}),
                         TestCaseName());

TEST(CategoryTest, UniversalSwitchWinsOverTheType) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(40)));
    harness.Settings().m_bUniversal = 1;
    EXPECT_EQ(harness.View().GetCategory(), 3);
}

TEST(FileDefaultsTest, TwelveLeadRecordingStartsInScrollModeAtStandardScale) {
    CViewHarness harness;
    harness.Settings().m_nMouseMode = 1;
    harness.Settings().m_nTimeScale = 12;
    ASSERT_TRUE(harness.Open(RecordingOfType(1)));
    EXPECT_EQ(harness.Settings().m_nMouseMode, 3);
    EXPECT_EQ(harness.Settings().m_nTimeScale, 6);
    EXPECT_EQ(harness.Settings().m_nLayout, 1);
    EXPECT_EQ(harness.Settings().m_bUniversal, 0);
    EXPECT_EQ(harness.Window().GetCursor(), ECursor::Hand);
}

TEST(FileDefaultsTest, LongTermRecordingKeepsTheMouseModeAndShowsTheMagnifier) {
    CViewHarness harness;
    harness.Settings().m_nMouseMode = 2;
    ASSERT_TRUE(harness.Open(RecordingOfType(2)));
    EXPECT_EQ(harness.Settings().m_nMouseMode, 2);
    EXPECT_EQ(harness.Window().GetCursor(), ECursor::Magnifier);
}

TEST(FileDefaultsTest, UnknownTypeTurnsTheUniversalSwitchOnAndItStaysOn) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(5)));
    EXPECT_EQ(harness.Settings().m_bUniversal, 1);
    harness.Paint();
    EXPECT_TRUE(harness.View().OnCommand(ID_UNIVERSAL));
    EXPECT_EQ(harness.Settings().m_bUniversal, 1) << "the repaint sets it again for category 3";
}

TEST(FileDefaultsTest, SameFileAgainKeepsTheUsersChoices) {
    CViewHarness harness;
    const std::string path = testing::TempDir() + "/zelvo-same-file.mwf";
    ASSERT_TRUE(RecordingOfType(1).WriteFile(path));
    ASSERT_TRUE(harness.Open(path));
    harness.Settings().m_nTimeScale = 14;
    harness.Settings().m_bUniversal = 1;
    ASSERT_TRUE(harness.Open(path));
    EXPECT_EQ(harness.Settings().m_nTimeScale, 14);
    EXPECT_EQ(harness.Settings().m_bUniversal, 1);
}

TEST(DrawTest, EmptyDocumentDrawsNothingAndKeepsTheFirstScrollSizes) {
    CViewHarness harness(CSize(200, 100));
    harness.View().OnInitialUpdate();
    harness.Paint();
    EXPECT_EQ(harness.Window().GetTotalSize(), CSize(100, 100));
    EXPECT_EQ(harness.Pixel(50, 50), RGB(255, 255, 255));
}

TEST(DrawTest, EveryDrawClearsTheAvailabilityMarks) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(40)));
    harness.Settings().m_bMouseCmds = 1;
    harness.Settings().m_bZoomCmds = 1;
    harness.Settings().m_nFilter = 3;
    harness.Paint();
    EXPECT_EQ(harness.Settings().m_bMouseCmds, 0);
    EXPECT_EQ(harness.Settings().m_bZoomCmds, 0);
    EXPECT_EQ(harness.Settings().m_nFilter, 1);
}

} // namespace
