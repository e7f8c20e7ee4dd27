#include "platform/CScrollState.h"
#include "platform/ScrollBar.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 1000 x 600 drawing in a 400 x 300 client, scrolled to (100, 50); pages of 400 x 300, lines of
// 100 x 20: the limits are 600 and 300.
CScrollState MakeState() {
    CScrollState state;
    state.SetClientSize({400, 300});
    state.SetScrollSizes({1000, 600}, {400, 300}, {100, 20});
    state.ScrollToPosition({100, 50});
    return state;
}

struct SScrollCase {
    int nBar;
    int nCode;
    int nPos;
    CPoint ptExpected;
};

TEST(ScrollStateTest, ScrollActionsMoveWithinTheLimits) {
    const std::vector<SScrollCase> aCases{
        {SB_HORZ, SB_LINERIGHT, 0, {200, 50}},
        {SB_HORZ, SB_LINELEFT, 0, {0, 50}},
        {SB_VERT, SB_LINEUP, 0, {100, 30}},
        {SB_VERT, SB_LINEDOWN, 0, {100, 70}},
        {SB_HORZ, SB_PAGERIGHT, 0, {500, 50}},
        {SB_VERT, SB_PAGEDOWN, 0, {100, 300}},
        {SB_VERT, SB_PAGEUP, 0, {100, 0}},
        {SB_HORZ, SB_THUMBTRACK, 250, {250, 50}},
        {SB_HORZ, SB_THUMBPOSITION, 9999, {600, 50}},
        {SB_VERT, SB_TOP, 0, {100, 0}},
        {SB_VERT, SB_BOTTOM, 0, {100, 300}},
        {SB_HORZ, SB_RIGHT, 0, {600, 50}},
        {SB_HORZ, SB_ENDSCROLL, 0, {100, 50}},
        {7, SB_LINEDOWN, 0, {100, 50}},
    };
    for (const SScrollCase& scroll : aCases) {
        SCOPED_TRACE(testing::Message() << "bar " << scroll.nBar << " code " << scroll.nCode);
        CScrollState state = MakeState();
        const bool bMoved = state.Scroll(scroll.nBar, scroll.nCode, scroll.nPos);
        EXPECT_EQ(state.GetScrollPosition(), scroll.ptExpected);
        EXPECT_EQ(bMoved, scroll.ptExpected != CPoint(100, 50));
    }
}

TEST(ScrollStateTest, AnAxisThatFitsDoesNotScroll) {
    CScrollState state = MakeState();
    state.SetScrollSizes({300, 600}, {400, 300}, {100, 20});
    EXPECT_EQ(state.GetScrollLimit(SB_HORZ), 0);
    EXPECT_EQ(state.GetScrollPosition(), CPoint(0, 50));
    EXPECT_FALSE(state.Scroll(SB_HORZ, SB_LINERIGHT, 0));
}

TEST(ScrollStateTest, GrowingTheClientPullsThePositionBack) {
    CScrollState state = MakeState();
    state.ScrollToPosition({600, 300});
    state.SetClientSize({900, 500});
    EXPECT_EQ(state.GetScrollPosition(), CPoint(100, 100));
}

TEST(ScrollStateTest, ZeroAmountsStandForATenthAndAHundredthOfTheTotal) {
    CScrollState state = MakeState();
    state.SetScrollSizes({1000, 600}, {0, 300}, {100, 0});
    EXPECT_EQ(state.GetPageSize(), CSize(100, 300));
    EXPECT_EQ(state.GetLineSize(), CSize(100, 6));
}

} // namespace
