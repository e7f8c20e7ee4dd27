#include "CViewHarness.h"
#include "ViewTestFixtures.h"
#include "platform/MouseKeys.h"
#include "platform/ScrollBar.h"

#include <gtest/gtest.h>

namespace {

TEST(RightButtonTest, OnTheStripTheCursorTellsWhereAClickOpensTheDetail) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(2)));
    harness.View().OnRButtonDown(MK_RBUTTON, CPoint(100, 750));
    EXPECT_EQ(harness.Window().GetCursor(), ECursor::Magnifier);
    harness.View().OnRButtonDown(MK_RBUTTON, CPoint(100, 751));
    EXPECT_EQ(harness.Window().GetCursor(), ECursor::No);
    harness.View().OnRButtonUp(0, CPoint(100, 750));
    EXPECT_EQ(harness.Window().GetCursor(), ECursor::Magnifier);
}

TEST(RightButtonTest, WithoutAMeasurementItReturnsToTheStandardScale) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(40)));
    harness.Settings().m_nTimeScale = 12;
    const int nPaints = harness.Window().GetPaintCount();
    harness.View().OnRButtonDown(MK_RBUTTON, CPoint(10, 10));
    EXPECT_EQ(harness.Settings().m_nTimeScale, 6);
    EXPECT_GT(harness.Window().GetPaintCount(), nPaints);
}

class KeyScrollTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_harness.Open(RecordingOfType(40)));
        m_harness.Paint();
        // As a display covering 5000 x 3000 pixels would leave them.
        m_harness.Window().SetScrollSizes(CSize(5000, 3000), CSize(400, 300), CSize(100, 20));
    }
    CPoint Key(unsigned nKey) {
        m_harness.View().OnKeyDown(nKey);
        return m_harness.Window().GetScrollPosition();
    }

    CViewHarness m_harness{CSize(400, 300)};
};

TEST_F(KeyScrollTest, NavigationKeysScrollByLinesPagesAndEnds) {
    EXPECT_EQ(Key(VK_END), CPoint(4600, 2700));
    EXPECT_EQ(Key(VK_HOME), CPoint(0, 0));
    EXPECT_EQ(Key(VK_RIGHT), CPoint(100, 0));
    EXPECT_EQ(Key(VK_DOWN), CPoint(100, 20));
    EXPECT_EQ(Key(VK_NEXT), CPoint(100, 320));
    EXPECT_EQ(Key(VK_PRIOR), CPoint(100, 20));
    EXPECT_EQ(Key(VK_UP), CPoint(100, 0));
    EXPECT_EQ(Key(VK_LEFT), CPoint(0, 0));
    EXPECT_EQ(Key('A'), CPoint(0, 0));
}

} // namespace
