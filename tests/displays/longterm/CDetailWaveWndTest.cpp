#include "displays/longterm/CDetailWaveWnd.h"
#include "displays/longterm/CEventIndex.h"
#include "displays/longterm/CHeadlessDetailWindow.h"
#include "displays/longterm/DetailWaveMenu.h"
#include "mfer/MferAttributes.h"
#include "platform/MouseKeys.h"
#include "platform/ScrollBar.h"

#include "DetailWindowFixture.h"
#include "LongTermRecording.h"
#include "TestCaseName.h"
#include "TextProbe.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF FINE = RGB(255, 220, 128);
constexpr COLORREF COARSE = RGB(255, 192, 96);
constexpr COLORREF BLUE = RGB(0, 0, 255);

using DetailWaveWndTest = DetailWindowFixture;

TEST_F(DetailWaveWndTest, OpensFiveHundredByThreeHundredSeventyFiveWithItsScrollBar) {
    Open(Flat(150'000, {0, 0}), 23'000, 15'500);
    EXPECT_EQ(Window().GetClientSize(), CSize(500, 375));
    EXPECT_EQ(Window().GetScrollMin(), 0);
    EXPECT_EQ(Window().GetScrollMax(), 5500);
    EXPECT_EQ(Window().GetScrollPos(), 3000);
    EXPECT_EQ(Wnd().GetMeasureMode(), 0);
}

TEST_F(DetailWaveWndTest, GridHasMillimetreAndFiveMillimetreLinesInsideABlackFrame) {
    Open(Flat(150'000, {0, 0}), 15'000, 15'000);
    EXPECT_EQ(Pixel(5, 5), WHITE);
    EXPECT_EQ(Pixel(4, 13), FINE);
    EXPECT_EQ(Pixel(20, 13), COARSE);
    EXPECT_EQ(Pixel(2, 14), FINE);
    EXPECT_EQ(Pixel(2, 30), COARSE);
    EXPECT_EQ(Pixel(0, 13), BLACK);
    EXPECT_EQ(Pixel(3, 10), BLACK);
    EXPECT_EQ(Pixel(3, 330), BLACK) << "bottom of two 40-mm bands";
    EXPECT_EQ(Pixel(3, 331), WHITE);
}

TEST_F(DetailWaveWndTest, TracesSitOnTheirBandsMiddlesAtTenMillimetresPerMillivolt) {
    // 400 units of 2500 nV are 1 mV: 40 pixels above channel 0's baseline at y = 90.
    Open(Flat(150'000, {400, 0}), 15'000, 15'000);
    EXPECT_EQ(Pixel(100, 51), BLACK);
    EXPECT_EQ(Pixel(100, 50), BLACK);
    EXPECT_NE(Pixel(100, 49), BLACK);
    EXPECT_NE(Pixel(100, 52), BLACK);
    EXPECT_EQ(Pixel(100, 251), BLACK);
    EXPECT_EQ(Pixel(100, 250), BLACK);
    EXPECT_NE(Pixel(100, 249), BLACK);
}

TEST_F(DetailWaveWndTest, OneChannelDrawsOnlyTheUpperBand) {
    Open(Flat(150'000, {0}), 15'000, 15'000);
    EXPECT_EQ(Pixel(101, 90), BLACK);
    EXPECT_NE(Pixel(101, 250), BLACK);
}

TEST_F(DetailWaveWndTest, TraceStopsWhereTheChannelEnds) {
    // 1000 samples after the range start: 400 columns at 0.4 pixels per sample.
    Open(Flat(16'000, {0, 0}), 15'000, 15'000);
    EXPECT_EQ(Pixel(397, 90), BLACK);
    EXPECT_NE(Pixel(401, 90), BLACK);
}

TEST_F(DetailWaveWndTest, EventsAreWrittenOnTheBoundaryBetweenTheBands) {
    LongTermRecording recording = Flat(150'000, {0, 0});
    // 2.5 samples per pixel: 250 samples after the range start is x = 100.
    recording.aEvents = {{844, 15'250}, {136, 15'500}, {999, 15'750}, {136, 14'000}};
    Open(recording, 15'000, 15'000);
    const LOGFONT lf{
        .lfHeight = 20, .lfWeight = FW_BOLD, .lfPitchAndFamily = FF_SWISS, .lfFaceName = "Arial"};
    EXPECT_TRUE(ShowsAt(Window().GetImage(), RenderText("Vf", lf, BLUE, WHITE, CSize(14, 20)), 100, 170));
    EXPECT_TRUE(ShowsAt(Window().GetImage(), RenderText("N", lf, BLUE, WHITE, CSize(10, 20)), 200, 170));
    for (int x = 300; x < 330; ++x)
        EXPECT_NE(Pixel(x, 180), BLUE) << "a code without a label writes nothing, x " << x;
}

TEST_F(DetailWaveWndTest, EventsShowAtSamplingIntervalsBelowOneMillisecond) {
    LongTermRecording recording = Flat(240'000, {0, 0}, 500);
    recording.nBlockLength = 2000;
    // 2000 Hz: 20 samples per pixel, so two seconds in is x = 200.
    recording.aEvents = {{136, 4000}};
    Open(recording, 0, 0);
    const LOGFONT lf{
        .lfHeight = 20, .lfWeight = FW_BOLD, .lfPitchAndFamily = FF_SWISS, .lfFaceName = "Arial"};
    EXPECT_TRUE(ShowsAt(Window().GetImage(), RenderText("N", lf, BLUE, WHITE, CSize(10, 20)), 200, 170));
}

// ---- Scrolling -------------------------------------------------------------------------------

struct ScrollCase {
    const char* m_pszName;
    int32_t nInterval;
    int64_t nViewSample;
    int64_t nRangeStart;
    int nCode;
    int nPos;
    int64_t nExpectedSample;
    int nExpectedThumb;
};

class DetailScrollTest : public DetailWaveWndTest, public testing::WithParamInterface<ScrollCase> {};

TEST_P(DetailScrollTest, ScrollCodesMoveTheWindowWithinItsRange) {
    const ScrollCase& c = GetParam();
    LongTermRecording recording = Flat(240'000, {0, 0}, c.nInterval);
    recording.nBlockLength = 500;
    Open(recording, c.nViewSample, c.nRangeStart);
    Wnd().OnHScroll(c.nCode, c.nPos);
    EXPECT_EQ(Wnd().GetViewSample(), c.nExpectedSample);
    EXPECT_EQ(Window().GetScrollPos(), c.nExpectedThumb);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DetailScrollTest,
    testing::Values(ScrollCase{"LineRight", 4000, 23'000, 15'500, SB_LINERIGHT, 0, 23'020, 3008},
                    ScrollCase{"LineLeft", 4000, 23'000, 15'500, SB_LINELEFT, 0, 22'980, 2992},
                    ScrollCase{"PageRight", 4000, 23'000, 15'500, SB_PAGERIGHT, 0, 23'500, 3200},
                    ScrollCase{"PageLeft", 4000, 23'000, 15'500, SB_PAGELEFT, 0, 22'500, 2800},
                    ScrollCase{"ThumbToTheEnd", 4000, 23'000, 15'500, SB_THUMBTRACK, 5500, 29'250, 5500},
                    ScrollCase{"LineLeftAtTheStart", 4000, 15'500, 15'500, SB_LINELEFT, 0, 15'500, 0},
                    ScrollCase{"PageRightAtTheEnd", 4000, 29'000, 15'500, SB_PAGERIGHT, 0, 29'250, 5500},
                    ScrollCase{"OtherCodeKeepsPosition", 4000, 23'000, 15'500, SB_ENDSCROLL, 0, 23'000, 3000},
                    // 500 Hz: the same seconds, twice the samples.
                    ScrollCase{"LineRightAt500Hz", 2000, 46'000, 31'000, SB_LINERIGHT, 0, 46'040, 3008},
                    ScrollCase{"ThumbAt500Hz", 2000, 46'000, 31'000, SB_THUMBTRACK, 3000, 46'000, 3000},
                    ScrollCase{"ThumbToTheEndAt500Hz", 2000, 46'000, 31'000, SB_THUMBTRACK, 5500, 58'500,
                               5500}),
    TestCaseName());

TEST_F(DetailWaveWndTest, ScrolledPictureFollowsTheThumbAtAnotherRate) {
    // 500 Hz with a peak every second: after scrolling 30 seconds the peak of second 31 stands one
    // second (100 pixels) from the left edge, where the thumb says the window is.
    LongTermRecording recording = Flat(240'000, {0, 0}, 2000);
    recording.nBlockLength = 500;
    for (size_t s = 0; s < 240'000; s += 500)
        recording.aChannels[0][s] = 400;
    Open(recording, 0, 0);
    Wnd().OnHScroll(SB_THUMBTRACK, 3000);
    EXPECT_EQ(Wnd().GetViewSample(), 15'000);
    EXPECT_EQ(Wnd().GetScrollX(), 3000);
    // A tall column is shaded: dark grey in its middle third.
    bool bPeak = false;
    for (int x = 98; x <= 100; ++x)
        bPeak = bPeak || Pixel(x, 68) == RGB(64, 64, 64);
    EXPECT_TRUE(bPeak);
    EXPECT_EQ(Pixel(50, 68), WHITE) << "half a second away there is no peak";
}

// ---- Measurement -----------------------------------------------------------------------------

TEST_F(DetailWaveWndTest, ValueMeasurementLabelsMillivoltsAndMilliseconds) {
    LongTermRecording recording = Flat(150'000, {0, 0});
    // x = 100 and x = 150 are 250 and 375 samples after the window's first sample.
    recording.aChannels[0][15'000 + 250] = 100;
    recording.aChannels[0][15'000 + 375] = 500;
    Open(recording, 15'000, 15'000);
    ASSERT_TRUE(Wnd().OnCommand(ID_DETAIL_MEASURE_VALUE));
    Click(CPoint(100, 60), CPoint(150, 60));
    EXPECT_EQ(Wnd().GetMeasureStep(), 2);
    EXPECT_EQ(Wnd().GetMeasureChannel(), 0);
    EXPECT_EQ(Wnd().GetMeasureText(), "[ch:1] 1.00mV 500 ms ");
    // The label's frame ends 5 pixels left of the first point, its top at 25 mm + 5.
    EXPECT_EQ(Pixel(94, 106), BLACK);
    EXPECT_NE(Pixel(95, 106), BLACK);
    EXPECT_EQ(Pixel(90, 105), BLACK);
    // The marks cross the trace at the measured samples: 10 and 50 pixels above the baseline.
    EXPECT_EQ(Pixel(300, 80), BLACK);
    EXPECT_EQ(Pixel(300, 40), BLACK);
    EXPECT_EQ(Pixel(100, 5), BLACK);
    EXPECT_EQ(Pixel(150, 5), BLACK);
}

struct IntervalCase {
    const char* m_pszName;
    int nWidth;
    const char* pszText;
};

class IntervalLabelTest : public DetailWaveWndTest, public testing::WithParamInterface<IntervalCase> {};

TEST_P(IntervalLabelTest, IntervalMeasurementLabelsHeartRateAndMilliseconds) {
    const IntervalCase& c = GetParam();
    Open(Flat(150'000, {0, 0}), 15'000, 15'000);
    Wnd().OnCommand(ID_DETAIL_MEASURE_INTERVAL);
    Click(CPoint(101, 200), CPoint(101 + c.nWidth, 200));
    EXPECT_EQ(Wnd().GetMeasureText(), c.pszText);
}

INSTANTIATE_TEST_SUITE_P(Widths, IntervalLabelTest,
                         testing::Values(IntervalCase{"TwoSeconds", 200, "HR: 30  2000 ms "},
                                         IntervalCase{"EightHundredMs", 80, "HR: 75   800 ms "},
                                         IntervalCase{"Leftwards", -80, "HR: 75   800 ms "}),
                         TestCaseName());

TEST_F(DetailWaveWndTest, ZeroWidthIntervalShowsNoLabel) {
    Open(Flat(150'000, {0, 0}), 15'000, 15'000);
    Wnd().OnCommand(ID_DETAIL_MEASURE_INTERVAL);
    Click(CPoint(101, 200), CPoint(101, 200));
    EXPECT_EQ(Wnd().GetMeasureText(), "");
}

struct ChannelCase {
    const char* m_pszName;
    size_t nChannels;
    int y;
    int nChannel;
};

class MeasureChannelTest : public DetailWaveWndTest, public testing::WithParamInterface<ChannelCase> {};

TEST_P(MeasureChannelTest, PressPicksTheChannelOfItsBand) {
    const ChannelCase& c = GetParam();
    Open(Flat(150'000, std::vector<int16_t>(c.nChannels, 0)), 15'000, 15'000);
    Wnd().OnCommand(ID_DETAIL_MEASURE_VALUE);
    Click(CPoint(100, c.y), CPoint(150, c.y));
    EXPECT_EQ(Wnd().GetMeasureChannel(), c.nChannel);
    EXPECT_EQ(Wnd().GetMeasureText().substr(0, 6), "[ch:" + std::to_string(c.nChannel + 1) + "]");
}

INSTANTIATE_TEST_SUITE_P(Bands, MeasureChannelTest,
                         testing::Values(ChannelCase{"UpperBand", 2, 139, 0},
                                         ChannelCase{"LowerBand", 2, 150, 1},
                                         ChannelCase{"BelowTheBands", 2, 370, 1},
                                         ChannelCase{"LowerBandOfOneChannel", 1, 150, 0}),
                         TestCaseName());

TEST_F(DetailWaveWndTest, PointsBeyondTheRecordingMeasureItsLastSample) {
    LongTermRecording recording = Flat(16'000, {0, 0});
    recording.aChannels[0].back() = 400;
    Open(recording, 15'500, 15'000);
    Wnd().OnCommand(ID_DETAIL_MEASURE_VALUE);
    Click(CPoint(100, 60), CPoint(450, 60));
    EXPECT_EQ(Wnd().GetMeasureText(), "[ch:1] 1.00mV 3500 ms ");
}

TEST_F(DetailWaveWndTest, ClicksWithoutAModeMeasureNothing) {
    Open(Flat(150'000, {0, 0}), 15'000, 15'000);
    Click(CPoint(100, 60), CPoint(150, 60));
    EXPECT_EQ(Wnd().GetMeasureStep(), 0);
    EXPECT_EQ(Wnd().GetMeasureText(), "");
}

TEST_F(DetailWaveWndTest, RightButtonClearsTheMeasurementAndKeepsTheMode) {
    Open(Flat(150'000, {0, 0}), 15'000, 15'000);
    Wnd().OnCommand(ID_DETAIL_MEASURE_INTERVAL);
    Click(CPoint(101, 200), CPoint(181, 200));
    Wnd().OnRButtonDown(MK_RBUTTON, CPoint(10, 10));
    EXPECT_EQ(Wnd().GetMeasureStep(), 0);
    EXPECT_EQ(Wnd().GetMeasureMode(), 2);
    EXPECT_EQ(Pixel(181, 220), WHITE) << "the caliper is gone";
}

TEST_F(DetailWaveWndTest, CrossHairFollowsTheMouseAndLeavesNothingBehind) {
    Open(Flat(150'000, {0, 0}), 15'000, 15'000);
    Wnd().OnCommand(ID_DETAIL_MEASURE_VALUE);
    const QImage clean = Window().GetImage().copy();
    Wnd().OnMouseMove(0, CPoint(201, 101));
    EXPECT_EQ(Pixel(201, 5), BLACK);
    EXPECT_EQ(Pixel(5, 101), BLACK);
    Wnd().OnMouseMove(0, CPoint(301, 101));
    EXPECT_EQ(Pixel(201, 5), WHITE);
    EXPECT_EQ(Pixel(301, 5), BLACK);
    Wnd().OnCommand(ID_DETAIL_MEASURE_VALUE);
    Wnd().OnMouseMove(0, CPoint(301, 101));
    EXPECT_EQ(Window().GetImage(), clean) << "without a mode the mouse draws nothing";
}

TEST_F(DetailWaveWndTest, CaliperShowsMultiplesOfTheIntervalAndDragsWithItsWidth) {
    Open(Flat(150'000, {0, 0}), 15'000, 15'000);
    Wnd().OnCommand(ID_DETAIL_MEASURE_INTERVAL);
    Click(CPoint(101, 200), CPoint(181, 200));
    for (const int x : {21, 101, 181, 261, 341, 421})
        EXPECT_EQ(Pixel(x, 220), BLACK) << x;
    EXPECT_EQ(Pixel(141, 220), WHITE);
    // A press 20 pixels off the caliper's line does not grip it; 10 pixels off does.
    Wnd().OnLButtonDown(MK_LBUTTON, CPoint(300, 220));
    Wnd().OnMouseMove(MK_LBUTTON, CPoint(151, 205));
    EXPECT_EQ(Pixel(181, 220), BLACK);
    Wnd().OnLButtonUp(0, CPoint(151, 205));
    Wnd().OnLButtonDown(MK_LBUTTON, CPoint(300, 210));
    Wnd().OnMouseMove(MK_LBUTTON, CPoint(151, 205));
    Wnd().OnLButtonUp(0, CPoint(151, 205));
    for (const int x : {71, 151, 231, 311})
        EXPECT_EQ(Pixel(x, 225), BLACK) << x;
    EXPECT_EQ(Pixel(101, 225), WHITE);
    EXPECT_EQ(Wnd().GetMeasureStep(), 2);
}

TEST_F(DetailWaveWndTest, ScrollingKeepsACompletedCaliperOnTheWindow) {
    Open(Flat(150'000, {0, 0}), 15'000, 15'000);
    Wnd().OnCommand(ID_DETAIL_MEASURE_INTERVAL);
    Click(CPoint(101, 200), CPoint(181, 200));
    Wnd().OnHScroll(SB_LINERIGHT, 0);
    EXPECT_EQ(Window().GetScrollPos(), 8);
    EXPECT_TRUE(Wnd().IsCursorShown());
    EXPECT_EQ(Pixel(181, 220), BLACK);
}

// ---- Menu, keys and closing ------------------------------------------------------------------

TEST_F(DetailWaveWndTest, MenuChecksTheModeAndTogglesIt) {
    Open(Flat(150'000, {0, 0}), 15'000, 15'000);
    auto checked = [&](int nId) {
        CCmdUI cmdUI(nId);
        EXPECT_TRUE(Wnd().OnUpdateCommand(cmdUI));
        EXPECT_TRUE(cmdUI.m_bEnabled);
        return cmdUI.m_bChecked;
    };
    Wnd().OnCommand(ID_DETAIL_MEASURE_INTERVAL);
    EXPECT_FALSE(checked(ID_DETAIL_MEASURE_VALUE));
    EXPECT_TRUE(checked(ID_DETAIL_MEASURE_INTERVAL));
    Wnd().OnCommand(ID_DETAIL_MEASURE_VALUE);
    EXPECT_TRUE(checked(ID_DETAIL_MEASURE_VALUE));
    Wnd().OnCommand(ID_DETAIL_MEASURE_VALUE);
    EXPECT_EQ(Wnd().GetMeasureMode(), 0);
    EXPECT_FALSE(checked(ID_DETAIL_CLOSE));
    CCmdUI unknown(ID_ZOOM_IN);
    EXPECT_FALSE(Wnd().OnUpdateCommand(unknown));
}

struct CloseCase {
    const char* m_pszName;
    int nKind; // 0 menu, 1 key, 2 close box
    unsigned nKey;
    int nResult;
};

class DetailCloseTest : public DetailWaveWndTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(DetailCloseTest, EndsTheModalWindow) {
    const CloseCase& c = GetParam();
    Open(Flat(150'000, {0, 0}), 15'000, 15'000);
    if (c.nKind == 0)
        Wnd().OnCommand(ID_DETAIL_CLOSE);
    else if (c.nKind == 1)
        Wnd().OnKeyDown(c.nKey);
    else
        Wnd().OnClose();
    EXPECT_TRUE(Window().IsEnded());
    EXPECT_EQ(Window().GetResult(), c.nResult);
}

INSTANTIATE_TEST_SUITE_P(Ways, DetailCloseTest,
                         testing::Values(CloseCase{"Menu", 0, 0, 5}, CloseCase{"Enter", 1, VK_RETURN, IDOK},
                                         CloseCase{"Esc", 1, VK_ESCAPE, IDCANCEL},
                                         CloseCase{"CloseBox", 2, 0, IDCANCEL}),
                         TestCaseName());

TEST_F(DetailWaveWndTest, OtherKeysLeaveTheWindowOpen) {
    Open(Flat(150'000, {0, 0}), 15'000, 15'000);
    Wnd().OnKeyDown(VK_LEFT);
    EXPECT_FALSE(Window().IsEnded());
}

} // namespace
