#include "app/CWindowPlacement.h"

#include "platform/CMemoryProfile.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacementTest, NothingSavedMeansNoPlacement) {
    CMemoryProfile profile;
    EXPECT_FALSE(CWindowPlacement::Load(profile).has_value());
}

TEST(WindowPlacementTest, NegativeTopMeansNoPlacement) {
    CMemoryProfile profile;
    CWindowPlacement placement;
    placement.m_rcNormalPosition = CRect(100, -5, 700, 500);
    placement.Save(profile);
    EXPECT_EQ(profile.GetProfileInt("Window", "Top", 0), -5);
    EXPECT_FALSE(CWindowPlacement::Load(profile).has_value());
}

TEST(WindowPlacementTest, MinimisedIsSavedAsNormal) {
    CMemoryProfile profile;
    CWindowPlacement placement;
    placement.m_rcNormalPosition = CRect(10, 20, 810, 620);
    placement.m_nShowCmd = CWindowPlacement::SW_SHOWMINIMIZED;
    placement.Save(profile);
    const std::optional<CWindowPlacement> loaded = CWindowPlacement::Load(profile);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->m_nShowCmd, CWindowPlacement::SW_SHOWNORMAL);
    EXPECT_EQ(loaded->m_rcNormalPosition, CRect(10, 20, 810, 620));
    EXPECT_EQ(profile.GetProfileInt("Window", "Right", 0), 810);
    EXPECT_EQ(profile.GetProfileInt("Window", "Bottom", 0), 620);
}

TEST(WindowPlacementTest, MaximisedStaysMaximised) {
    CMemoryProfile profile;
    CWindowPlacement placement;
    placement.m_rcNormalPosition = CRect(0, 0, 640, 480);
    placement.m_nShowCmd = CWindowPlacement::SW_SHOWMAXIMIZED;
    placement.Save(profile);
    EXPECT_EQ(CWindowPlacement::Load(profile)->m_nShowCmd, CWindowPlacement::SW_SHOWMAXIMIZED);
}

} // namespace
