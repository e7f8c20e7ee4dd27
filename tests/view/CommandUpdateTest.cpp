#include "CViewHarness.h"
#include "TestCaseName.h"
#include "ViewTestFixtures.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

CCmdUI Update(CViewHarness& harness, int nId, bool bCheckedBefore = false) {
    CCmdUI state(nId, bCheckedBefore);
    EXPECT_TRUE(harness.View().OnUpdateCommand(state)) << nId;
    return state;
}

struct LayoutItemCase {
    const char* m_pszName;
    uint16_t wWaveformType;
    int nLeadSetKind;
    int nLayout;
    int bEcgView;
    int nId;
    bool bEnabled;
    bool bChecked;
    std::optional<std::string> text;
    int nLayoutAfter;
};

class LayoutItemTest : public testing::TestWithParam<LayoutItemCase> {};

TEST_P(LayoutItemTest, EnablesChecksRetitlesAndCorrectsTheLayout) {
    const LayoutItemCase& c = GetParam();
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(c.wWaveformType)));
    harness.Settings().m_nLeadSetKind = c.nLeadSetKind;
    harness.Settings().m_nLayout = c.nLayout;
    harness.Settings().m_bEcgView = c.bEcgView;
    const CCmdUI state = Update(harness, c.nId);
    EXPECT_EQ(state.m_bEnabled, c.bEnabled);
    EXPECT_EQ(state.m_bChecked, c.bChecked);
    EXPECT_EQ(state.m_strText, c.text);
    EXPECT_EQ(harness.Settings().m_nLayout, c.nLayoutAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutItemTest,
    testing::Values(
        LayoutItemCase{"EcgFull", 1, 0, 0, 0, ID_LAYOUT_FULL, true, true, "全表示", 0},
        LayoutItemCase{"Ecg6x2Checked", 1, 0, 1, 0, ID_LAYOUT_6X2, true, true, "心電図 ６×２", 1},
        LayoutItemCase{"Ecg3x4", 1, 2, 1, 0, ID_LAYOUT_3X4, true, false, "心電図 ３×４", 1},
        LayoutItemCase{"EcgPageDisabledForTwelveLeads", 1, 0, 1, 0, ID_LAYOUT_PAGE, false, false,
                       std::nullopt, 1},
        LayoutItemCase{"PageBackToFullForTwelveLeads", 1, 0, 3, 0, ID_LAYOUT_PAGE, false, false, std::nullopt,
                       0},
        LayoutItemCase{"FewerLeadsTurn6x2IntoPage", 1, 5, 1, 0, ID_LAYOUT_6X2, false, false, std::nullopt, 3},
        LayoutItemCase{"MoreLeadsTurn3x4IntoPage", 1, 4, 2, 0, ID_LAYOUT_3X4, false, false, std::nullopt, 3},
        LayoutItemCase{"PageEnabledWithoutTwelveLeads", 1, 5, 3, 0, ID_LAYOUT_PAGE, true, true, std::nullopt,
                       3},
        LayoutItemCase{"FullItemLeavesTheLayout", 1, 5, 1, 0, ID_LAYOUT_FULL, true, false, "全表示", 1},
        LayoutItemCase{"BloodPressureWaveform", 20, 0, 1, 0, ID_LAYOUT_6X2, true, true, "血圧波形", 1},
        LayoutItemCase{"BloodPressureElectrophysiology", 20, 0, 1, 0, ID_LAYOUT_3X4, true, false, "電気生理",
                       1},
        LayoutItemCase{"BloodPressureEcgViewTexts", 20, 0, 2, 1, ID_LAYOUT_3X4, true, true, "心電図 ３×４",
                       2},
        LayoutItemCase{"EegHasNoLayouts", 40, 5, 1, 0, ID_LAYOUT_6X2, false, false, std::nullopt, 1},
        LayoutItemCase{"LongTermHasNoLayouts", 2, 0, 0, 0, ID_LAYOUT_FULL, false, false, std::nullopt, 0}),
    TestCaseName());

struct ItemCase {
    const char* m_pszName;
    uint16_t wWaveformType;
    ViewSettings settings;
    int nId;
    bool bEnabled;
    bool bChecked;
};

ViewSettings With(void (*change)(ViewSettings&)) {
    ViewSettings settings;
    change(settings);
    return settings;
}

class UpdateRuleTest : public testing::TestWithParam<ItemCase> {};

TEST_P(UpdateRuleTest, GivesEnabledAndCheckedState) {
    const ItemCase& c = GetParam();
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(c.wWaveformType)));
    harness.Settings() = c.settings;
    const CCmdUI state = Update(harness, c.nId, true);
    EXPECT_EQ(state.m_bEnabled, c.bEnabled);
    EXPECT_EQ(state.m_bChecked, c.bChecked);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateRuleTest,
    testing::Values(
        ItemCase{"SensitivityChecked", 1, With([](ViewSettings& s) { s.m_nSensitivity = 4; }),
                 ID_SENSITIVITY_TWO, true, true},
        ItemCase{"SensitivityNotOnTheStrip", 2, ViewSettings{}, ID_SENSITIVITY_ONE, false, false},
        ItemCase{"MouseModesNeedTheTwelveLeadDraw", 1, ViewSettings{}, ID_MOUSE_SCROLL, false, false},
        ItemCase{"MouseModeChecked", 1, With([](ViewSettings& s) { s.m_bMouseCmds = 1, s.m_nMouseMode = 2; }),
                 ID_MEASURE_INTERVAL, true, true},
        ItemCase{"ZoomNeedsTheMark", 4, ViewSettings{}, ID_ZOOM_IN, false, false},
        ItemCase{"EcgViewOnlyForBloodPressure", 1, With([](ViewSettings& s) { s.m_bEcgView = 1; }),
                 ID_ECG_VIEW, false, false},
        ItemCase{"EcgViewButtonChecked", 20, With([](ViewSettings& s) { s.m_bEcgView = 1; }),
                 ID_ECG_VIEW_BUTTON, true, true},
        ItemCase{"SmoothAlways", 2, With([](ViewSettings& s) { s.m_bSmooth = 1; }), ID_SMOOTH, true, true},
        ItemCase{"UniversalChecked", 40, With([](ViewSettings& s) { s.m_bUniversal = 1; }), ID_UNIVERSAL,
                 true, true},
        ItemCase{"DisplaySwitchForEeg", 40, ViewSettings{}, ID_DISPLAY_SWITCH, true, false},
        ItemCase{"DisplaySwitchNotForTheStrip", 2, ViewSettings{}, ID_DISPLAY_SWITCH, false, false},
        ItemCase{"FilterCheckedWhileDisabled", 1, With([](ViewSettings& s) { s.m_nFilter = 1; }),
                 ID_HIGH_CUT_FILTER, false, true},
        ItemCase{"FilterAvailable", 1, With([](ViewSettings& s) { s.m_nFilter = 2; }), ID_HIGH_CUT_FILTER,
                 true, false},
        ItemCase{"InfoWithRecording", 1, ViewSettings{}, ID_WAVE_INFO, true, false},
        ItemCase{"SaveNever", 1, ViewSettings{}, ID_FILE_SAVE_AS, false, false}),
    TestCaseName());

TEST(UpdateRuleTest, WithoutARecordingTheUniversalCheckStaysAsItWas) {
    CViewHarness harness;
    harness.View().OnInitialUpdate();
    for (const bool bBefore : {false, true}) {
        const CCmdUI state = Update(harness, ID_UNIVERSAL, bBefore);
        EXPECT_FALSE(state.m_bEnabled);
        EXPECT_EQ(state.m_bChecked, bBefore);
    }
    EXPECT_FALSE(Update(harness, ID_SENSITIVITY_ONE).m_bEnabled);
    EXPECT_FALSE(Update(harness, ID_WAVE_INFO).m_bEnabled);
    EXPECT_TRUE(harness.View().OnCommand(ID_UNIVERSAL));
    EXPECT_EQ(harness.Settings().m_bUniversal, 0);
}

struct SwitchCase {
    const char* m_pszName;
    int nLeadSetKind;
    int nStart;
    std::vector<int> expected;
};

class DisplaySwitchTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(DisplaySwitchTest, StepsTheLayout) {
    const SwitchCase& c = GetParam();
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(40)));
    harness.Settings().m_nLeadSetKind = c.nLeadSetKind;
    harness.Settings().m_nLayout = c.nStart;
    std::vector<int> layouts;
    for (size_t i = 0; i < c.expected.size(); ++i) {
        harness.View().OnCommand(ID_DISPLAY_SWITCH);
        layouts.push_back(harness.Settings().m_nLayout);
    }
    EXPECT_EQ(layouts, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Sequences, DisplaySwitchTest,
                         testing::Values(SwitchCase{"TwelveLeads", 0, 0, {1, 2, 0, 1}},
                                         SwitchCase{"TwelveLeadsPageStays", 3, 3, {3, 3}},
                                         SwitchCase{"FewerLeads", 5, 3, {0, 1, 1}},
                                         SwitchCase{"MoreLeads", 4, 0, {1, 1}}),
                         TestCaseName());

TEST(DisplaySwitchTest, RepaintsOnlyWhenTheLayoutChanges) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(40)));
    harness.Settings().m_nLeadSetKind = 4;
    harness.Settings().m_nLayout = 1;
    const int nPaints = harness.Window().GetPaintCount();
    harness.View().OnCommand(ID_DISPLAY_SWITCH);
    EXPECT_EQ(harness.Window().GetPaintCount(), nPaints);
}

TEST(ZoomTest, StaysWithinItsRange) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(40)));
    auto zoom = [&](int nId, int nFrom) {
        harness.Settings().m_nTimeScale = nFrom;
        harness.Settings().m_bZoomCmds = 1; // the 12-lead draw marks the zoom commands available
        harness.View().OnCommand(nId);
        return harness.Settings().m_nTimeScale;
    };
    EXPECT_EQ(zoom(ID_ZOOM_IN, 19), 20);
    EXPECT_EQ(zoom(ID_ZOOM_IN, 20), 20);
    EXPECT_EQ(zoom(ID_ZOOM_OUT, 5), 4);
    EXPECT_EQ(zoom(ID_ZOOM_OUT, 4), 4);
    EXPECT_EQ(zoom(ID_STANDARD_SCALE, 13), 6);
}

TEST(ZoomTest, DisabledCommandsAreNotCarriedOut) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(40)));
    harness.Settings().m_nTimeScale = 10;
    harness.Settings().m_bZoomCmds = 0;
    harness.View().OnCommand(ID_ZOOM_IN);
    EXPECT_EQ(harness.Settings().m_nTimeScale, 10);
}

TEST(FilterTest, ToggleKeepsTheAvailabilityBit) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(40)));
    harness.Settings().m_nFilter = 3;
    harness.View().OnCommand(ID_HIGH_CUT_FILTER);
    EXPECT_EQ(harness.Settings().m_nFilter & 1, 0);
    harness.Settings().m_nFilter |= 2; // the repaint's draw cleared it; the 12-lead Setup sets it again
    harness.View().OnCommand(ID_HIGH_CUT_FILTER);
    EXPECT_EQ(harness.Settings().m_nFilter & 1, 1);
}

TEST(EcgViewTest, SwitchingOnResetsTheLayoutToFull) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(20)));
    harness.Settings().m_nLayout = 2;
    harness.View().OnCommand(ID_ECG_VIEW);
    EXPECT_EQ(harness.Settings().m_bEcgView, 1);
    EXPECT_EQ(harness.Settings().m_nLayout, 0);
    harness.Settings().m_nLayout = 2;
    harness.View().OnCommand(ID_ECG_VIEW_BUTTON);
    EXPECT_EQ(harness.Settings().m_bEcgView, 0);
    EXPECT_EQ(harness.Settings().m_nLayout, 2);
}

} // namespace
