#include "displays/longterm/CDetailEventScript.h"

#include "DetailWindowFixture.h"
#include "TestCaseName.h"

#include <gtest/gtest.h>

namespace {

struct ScriptCase {
    const char* m_pszName;
    const char* pszScript;
    bool bRuns;
    int64_t nViewSample;
    int nMeasureMode;
    int nMeasureStep;
    bool bEnded;
};

class DetailEventScriptTest : public DetailWindowFixture, public testing::WithParamInterface<ScriptCase> {};

TEST_P(DetailEventScriptTest, SendsEachEventToTheWindow) {
    const ScriptCase& c = GetParam();
    Open(Flat(150'000, {0, 0}), 23'000, 15'500);
    std::string strError;
    EXPECT_EQ(CDetailEventScript(Wnd()).Run(c.pszScript, strError), c.bRuns) << strError;
    EXPECT_EQ(strError.empty(), c.bRuns);
    EXPECT_EQ(Wnd().GetViewSample(), c.nViewSample);
    EXPECT_EQ(Wnd().GetMeasureMode(), c.nMeasureMode);
    EXPECT_EQ(Wnd().GetMeasureStep(), c.nMeasureStep);
    EXPECT_EQ(Window().IsEnded(), c.bEnded);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, DetailEventScriptTest,
    testing::Values(ScriptCase{"Empty", "", true, 23'000, 0, 0, false},
                    ScriptCase{"ValueMeasurement", "menu:32800 down:100,60 move:150,60 up:150,60", true,
                               23'000, 1, 2, false},
                    ScriptCase{"RightClickClears", "menu:32801 down:100,60 up:180,60 right:5,5", true, 23'000,
                               2, 0, false},
                    ScriptCase{"ScrollThenThumb", "scroll:1 scroll:5,5500", true, 29'250, 0, 0, false},
                    ScriptCase{"EscapeEnds", "key:27", true, 23'000, 0, 0, true},
                    ScriptCase{"MouseWithoutPoint", "down:100", false, 23'000, 0, 0, false},
                    ScriptCase{"UnknownCommand", "menu:32775", false, 23'000, 0, 0, false},
                    ScriptCase{"UnknownEvent", "wheel:1,2", false, 23'000, 0, 0, false},
                    ScriptCase{"StopsAtTheBadEvent", "menu:32800 up:1 menu:32801", false, 23'000, 1, 0,
                               false}),
    TestCaseName());

} // namespace
