#include "Ecg12Fixture.h"

#include "displays/ecg12/CEcg12Renderer.h"
#include "platform/MouseKeys.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

using namespace ecg12test;

COLORREF Inverted(COLORREF cr) {
    return RGB(255 - GetRValue(cr), 255 - GetGValue(cr), 255 - GetBValue(cr));
}

class CMeasureTest : public testing::Test {
protected:
    void Open(const std::vector<SLead>& leads, int nLayout, int nMouseMode) {
        OpenAndPaint(m_harness, BuildEcg(leads), nLayout);
        // Opening a file selects the scroll mode.
        m_harness.Settings().m_nMouseMode = nMouseMode;
        m_harness.Paint();
        m_reference = m_harness.Image().copy();
    }
    void Down(int x, int y) { m_harness.View().OnLButtonDown(MK_LBUTTON, CPoint(x, y)); }
    void DragTo(int x, int y) { m_harness.View().OnMouseMove(MK_LBUTTON, CPoint(x, y)); }
    void Hover(int x, int y) { m_harness.View().OnMouseMove(0, CPoint(x, y)); }
    void Up(int x, int y) { m_harness.View().OnLButtonUp(0, CPoint(x, y)); }
    const std::string& Label() { return m_harness.View().GetEcg12Renderer()->GetMeasureText(); }
    COLORREF Reference(int x, int y) const {
        const QRgb rgb = m_reference.pixel(x, y);
        return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }
    bool IsInverted(int x, int y) const { return m_harness.Pixel(x, y) == Inverted(Reference(x, y)); }
    bool IsUntouched(int x, int y) const { return m_harness.Pixel(x, y) == Reference(x, y); }

    CViewHarness m_harness;
    QImage m_reference;
};

// Lead II with an R peak of 1000 units around sample 3000 (x = 344 at 4 px/mm), zero elsewhere.
std::vector<SLead> PeakOnII() {
    std::vector<SLead> leads = Leads(kTwelveLeads, Flat(0));
    leads[1].anSamples =
        Signal(kSamples, [](int i) { return i >= 2990 && i <= 3010 ? int16_t{1000} : int16_t{0}; });
    return leads;
}

TEST_F(CMeasureTest, ValueModeMeasuresAmplitudeAndTimeOnTheLeadPressed) {
    Open(PeakOnII(), 0, 1);
    const int B = Baseline(1);
    Down(344, B);
    DragTo(320, B);
    Up(304, B);
    EXPECT_EQ(Label(), "[II] -1.25mV 400 ms ");
    EXPECT_EQ(m_harness.View().GetMeasureState(), 2);
    // The repaint marks both points: a line down the sheet and one across at each value.
    EXPECT_EQ(m_harness.Pixel(344, 10), kBlack);
    EXPECT_EQ(m_harness.Pixel(304, 10), kBlack);
    EXPECT_EQ(m_harness.Pixel(1050, B - 49), kBlack);
    EXPECT_EQ(m_harness.Pixel(1050, B), kBlack);
    EXPECT_EQ(m_harness.Pixel(1050, B - 20), kWhite);
}

TEST_F(CMeasureTest, IntervalModeGivesTheHeartRate) {
    Open(Leads(kTwelveLeads, Flat(0)), 0, 2);
    Down(300, 300);
    DragTo(380, 300);
    EXPECT_EQ(Label(), "HR: 75   800 ms ");
    Up(380, 300);
    EXPECT_EQ(Label(), "HR: 75   800 ms ");
    EXPECT_EQ(m_harness.View().GetMeasureState(), 2);
}

TEST_F(CMeasureTest, CaliperRepeatsTheIntervalAcrossTheSheet) {
    // 9360 ms: a sheet 1000 px wide.
    Open(Leads(kTwelveLeads, Flat(0, 9360)), 0, 2);
    ASSERT_EQ(m_harness.View().GetExtent().right, 1000);
    Down(300, 300);
    Up(500, 300);
    for (int x : {100, 300, 500, 700, 900})
        EXPECT_TRUE(IsInverted(x, 280)) << x;
    for (int x : {99, 200, 301, 400, 600, 800, 1100})
        EXPECT_TRUE(IsUntouched(x, 280)) << x;
    // The first point's level: a 6-px band across the sheet.
    EXPECT_TRUE(IsUntouched(650, 296));
    EXPECT_TRUE(IsInverted(650, 297));
    EXPECT_TRUE(IsInverted(650, 302));
    EXPECT_TRUE(IsUntouched(650, 303));
    EXPECT_TRUE(IsUntouched(1010, 300));
}

TEST_F(CMeasureTest, CaliperIsDraggedOnlyNearItsLevel) {
    Open(Leads(kTwelveLeads, Flat(0, 9360)), 0, 2);
    Down(300, 300);
    Up(500, 300);
    // 20 px above the level: no drag.
    Down(420, 280);
    DragTo(350, 280);
    Up(350, 280);
    EXPECT_TRUE(IsInverted(300, 280));
    EXPECT_TRUE(IsUntouched(350, 280));
    // 10 px above: the caliper follows the mouse and keeps its 200-px interval.
    Down(420, 290);
    DragTo(350, 290);
    Up(350, 290);
    for (int x : {150, 350, 550, 750, 950})
        EXPECT_TRUE(IsInverted(x, 270)) << x;
    for (int x : {100, 300, 500})
        EXPECT_TRUE(IsUntouched(x, 270)) << x;
    EXPECT_EQ(m_harness.View().GetMeasureState(), 2);
}

TEST_F(CMeasureTest, SixByTwoBottomOfTheRightColumnMeasuresItsLastLead) {
    Open(Leads(kTwelveLeads, Flat(0)), 1, 1);
    Down(600, Mm(140));
    Up(600, Mm(140));
    EXPECT_EQ(Label().substr(0, 5), "[V6] ");
    // The label's frame stands 5 px below the sixth row's baseline, ending 5 px left of the point.
    EXPECT_EQ(m_harness.Pixel(594, Baseline(5) + 5), kBlack);
    EXPECT_EQ(m_harness.Pixel(594, Baseline(5) + 6), kBlack);
    EXPECT_NE(m_harness.Pixel(594, Baseline(5) + 4), kBlack);
}

TEST_F(CMeasureTest, LabelColumnPressStepsTheSensitivityUnlessAMeasurementIsShown) {
    Open(Leads(kTwelveLeads, Flat(0)), 0, 1);
    Down(20, 100);
    Up(20, 100);
    EXPECT_EQ(m_harness.Settings().m_nSensitivity, 4);
    EXPECT_EQ(m_harness.View().GetMeasureState(), 0);
    EXPECT_EQ(m_harness.Pixel(Mm(6), Baseline(0) - 80), kRed);
    Down(400, 300);
    Up(420, 300);
    Down(20, 100);
    Up(20, 100);
    EXPECT_EQ(m_harness.Settings().m_nSensitivity, 4);
    EXPECT_EQ(m_harness.View().GetMeasureState(), 2);
}

TEST_F(CMeasureTest, CrossHairFollowsTheMouseAndErasesItsLastPosition) {
    Open(Leads(kTwelveLeads, Flat(0)), 0, 1);
    Hover(300, 400);
    EXPECT_TRUE(IsInverted(10, 400));
    EXPECT_TRUE(IsInverted(300, 10));
    Hover(500, 450);
    EXPECT_TRUE(IsUntouched(10, 400));
    EXPECT_TRUE(IsUntouched(300, 10));
    EXPECT_TRUE(IsInverted(10, 450));
    EXPECT_TRUE(IsInverted(500, 10));
    m_harness.View().GetEcg12Renderer()->EraseCursor();
    EXPECT_TRUE(IsUntouched(10, 450));
    EXPECT_TRUE(IsUntouched(500, 10));
}

TEST(CEcg12MouseTest, DragScrollsTheSheetWithinItsLimits) {
    CViewHarness harness(CSize(400, 300));
    OpenAndPaint(harness, BuildEcg(Leads(kTwelveLeads, Flat(0))), 1);
    harness.View().OnLButtonDown(MK_LBUTTON, CPoint(200, 200));
    EXPECT_EQ(harness.Window().GetCursor(), ECursor::Grab);
    harness.View().OnMouseMove(MK_LBUTTON, CPoint(150, 170));
    EXPECT_EQ(harness.Window().GetScrollPosition(), CPoint(50, 30));
    harness.View().OnMouseMove(MK_LBUTTON, CPoint(400, 400));
    EXPECT_EQ(harness.Window().GetScrollPosition(), CPoint(0, 0));
    harness.View().OnMouseMove(MK_LBUTTON, CPoint(-2000, -2000));
    EXPECT_EQ(harness.Window().GetScrollPosition(), CPoint(1064 - 400, 600 - 300));
    harness.View().OnLButtonUp(0, CPoint(-2000, -2000));
    EXPECT_EQ(harness.Window().GetCursor(), ECursor::Hand);
}

TEST(CEcg12MouseTest, MouseWithoutARecordingDoesNothing) {
    CViewHarness harness;
    harness.Settings().m_nMouseMode = 1;
    harness.View().OnMouseMove(MK_LBUTTON, CPoint(300, 300));
    harness.View().OnLButtonDown(MK_LBUTTON, CPoint(20, 100));
    harness.View().OnLButtonUp(0, CPoint(300, 300));
    harness.View().GetEcg12Renderer()->EraseCursor();
    EXPECT_EQ(harness.View().GetMeasureState(), 0);
    EXPECT_EQ(harness.Settings().m_nSensitivity, 2);
    EXPECT_EQ(harness.Settings().m_nFilter & 2, 0);
}

} // namespace
