#include "displays/longterm/CDetailWaveWnd.h"
#include "displays/longterm/CLongTermRenderer.h"
#include "platform/MouseKeys.h"

#include "CViewHarness.h"
#include "LongTermRecording.h"
#include "TestCaseName.h"
#include "TextProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BAND = RGB(220, 220, 220);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr int STRIP_LEFT = 52; // 13 mm at 4 pixels per mm
constexpr size_t TEN_MINUTES = 150'000;

LOGFONT StripFont() {
    return {.lfHeight = 14, .lfWeight = FW_NORMAL, .lfPitchAndFamily = FF_SWISS, .lfFaceName = "Arial"};
}

class LongTermStripTest : public testing::Test {
protected:
    void Open(const LongTermRecording& recording, CSize sizeClient = CSize(1280, 1024)) {
        m_pHarness = std::make_unique<CViewHarness>(sizeClient);
        ASSERT_TRUE(m_pHarness->Open(recording.Build()));
        ASSERT_EQ(m_pHarness->View().GetCategory(), 2);
        m_pHarness->Paint();
    }
    CViewHarness& H() { return *m_pHarness; }
    bool AnyPixelIn(const CRect& rc, COLORREF cr) {
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                if (H().Pixel(x, y) == cr)
                    return true;
        return false;
    }

    std::unique_ptr<CViewHarness> m_pHarness;
};

LongTermRecording TenMinutes(int16_t nCh0 = 0, int16_t nCh1 = 0) {
    LongTermRecording recording;
    recording.aChannels = FlatChannels(TEN_MINUTES, {nCh0, nCh1});
    return recording;
}

TEST_F(LongTermStripTest, RowsAreEightyPixelsWithGreyLowerHalvesAndLinesUnderEachRow) {
    Open(TenMinutes());
    EXPECT_EQ(H().View().GetExtent(), CRect(0, 0, 750, 20 * 80));
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 10, 39), WHITE);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 10, 40), BAND);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 749, 79), BAND);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 750, 60), WHITE);
    // The time column's line runs from 13 mm to the left edge, the row's line across the strip.
    EXPECT_EQ(H().Pixel(1, 80), BLACK);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 750, 80), BLACK);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 751, 80), WHITE);
}

struct LabelCase {
    const char* m_pszName;
    int nClientWidth;
    int nRow;
    const char* pszText;
};

class TimeLabelTest : public LongTermStripTest, public testing::WithParamInterface<LabelCase> {};

TEST_P(TimeLabelTest, WritesElapsedTimeInTheMiddleOfTheRow) {
    const LabelCase& c = GetParam();
    Open(TenMinutes(), CSize(c.nClientWidth, 1024));
    const int y = (c.nRow + 1) * 80 - 40 - 5;
    EXPECT_TRUE(ShowsAt(H().Image(), RenderText(c.pszText, StripFont(), BLACK, WHITE, CSize(46, 14)), 5, y));
}

INSTANTIATE_TEST_SUITE_P(Rows, TimeLabelTest,
                         testing::Values(LabelCase{"FirstRow", 1280, 0, "00:00:00"},
                                         LabelCase{"SecondRowNarrow", 1280, 1, "00:00:30"},
                                         LabelCase{"LastRowNarrow", 1280, 11, "00:05:30"},
                                         LabelCase{"SecondRowWide", 1500, 1, "00:01:00"},
                                         LabelCase{"LastRowWide", 1500, 9, "00:09:00"}),
                         TestCaseName());

TEST_F(LongTermStripTest, WideClientShowsOneMinuteRowsTwiceAsWide) {
    Open(TenMinutes(), CSize(1600, 1024));
    EXPECT_EQ(H().View().GetExtent(), CRect(0, 0, 1500, 10 * 80));
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 1499, 70), BAND);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 1500, 80), BLACK);
}

TEST_F(LongTermStripTest, OnePixelIsFiftyMicrovoltsInBothHalvesOfTheRow) {
    // 2500 nV per unit: 200 units are 0.5 mV, ten pixels.
    Open(TenMinutes(200, -200));
    for (const int x : {STRIP_LEFT, STRIP_LEFT + 400, STRIP_LEFT + 749}) {
        EXPECT_EQ(H().Pixel(x, 20 - 10), BLACK) << x;
        EXPECT_EQ(H().Pixel(x, 20 - 9), WHITE) << x;
        EXPECT_EQ(H().Pixel(x, 20 - 11), WHITE) << x;
        EXPECT_EQ(H().Pixel(x, 60 + 10), BLACK) << x;
        EXPECT_EQ(H().Pixel(x, 100 - 10), BLACK) << "second row, x " << x;
    }
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 750, 10), WHITE);
}

TEST_F(LongTermStripTest, ResolutionAboveFiftyMicrovoltsScalesUpInsteadOfDividingByZero) {
    LongTermRecording recording = TenMinutes(5, 0);
    recording.nResolutionNv = 100'000;
    Open(recording);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 100, 20 - 10), BLACK);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 100, 20), WHITE);
}

TEST_F(LongTermStripTest, ColumnsJoinTheirNeighboursAndStopWhereTheDataEnd) {
    LongTermRecording recording;
    recording.aChannels = FlatChannels(12'000, {0});
    // A 0.5 mV step where column 50 begins: that column reaches down to join column 49.
    for (size_t i = 500; i < 12'000; ++i)
        recording.aChannels[0][i] = 200;
    Open(recording);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 49, 20), BLACK);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 49, 19), WHITE);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 50, 20), BLACK);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 50, 11), BLACK);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 50, 10), WHITE);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 51, 10), BLACK);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 51, 11), WHITE);
    // Row 1 holds samples 7500 to 11,999: 450 columns, then nothing.
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 449, 90), BLACK);
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 450, 90), WHITE);
}

TEST_F(LongTermStripTest, ScrolledPaintShowsWhatTheWholeStripShowsThere) {
    LongTermRecording recording;
    recording.aChannels = FlatChannels(TEN_MINUTES, {0, 0});
    for (size_t i = 0; i < TEN_MINUTES; ++i) {
        recording.aChannels[0][i] = static_cast<int16_t>(300 * std::sin(static_cast<double>(i) / 40.0));
        recording.aChannels[1][i] = static_cast<int16_t>((i * 7) % 301 - 150);
    }
    recording.aEvents = {{136, 60'000}, {860, 61'000}, {920, 90'000}};
    Open(recording, CSize(900, 20 * 80));
    const QImage whole = H().Image().copy();
    CViewHarness& h = H();
    h.Window().SetClientSize(CSize(900, 300));
    h.Window().ScrollToPosition(CPoint(0, 700));
    h.Paint();
    ASSERT_EQ(h.Window().GetScrollPosition(), CPoint(0, 700));
    EXPECT_EQ(h.Image(), whole.copy(0, 700, 900, 300));
}

TEST_F(LongTermStripTest, EventLabelStandsAboveTheRowsMiddleLine) {
    LongTermRecording recording = TenMinutes();
    recording.aEvents = {{844, 7600}};
    Open(recording);
    // Row 1, 100 samples in: ten pixels.
    EXPECT_TRUE(ShowsAt(H().Image(), RenderText("Vf", StripFont(), BLUE, WHITE, CSize(10, 14)),
                        STRIP_LEFT + 10, 80 + 40 - 8));
    EXPECT_EQ(H().Pixel(STRIP_LEFT + 9, 122), BAND);
}

struct EventCase {
    const char* m_pszName;
    uint16_t wCode;
    const char* pszLabel;
};

class EventLabelTest : public LongTermStripTest, public testing::WithParamInterface<EventCase> {};

TEST_P(EventLabelTest, WritesTheLabelOfItsOwnCode) {
    const EventCase& c = GetParam();
    LongTermRecording recording = TenMinutes();
    // A labelled event first: an unlabelled one must not repeat its text.
    recording.aEvents = {{844, 100}, {c.wCode, 7600}};
    Open(recording);
    const CRect rcLabel(STRIP_LEFT + 10, 112, STRIP_LEFT + 40, 126);
    if (c.pszLabel == nullptr) {
        EXPECT_FALSE(AnyPixelIn(rcLabel, BLUE));
    } else {
        EXPECT_TRUE(ShowsAt(H().Image(), RenderText(c.pszLabel, StripFont(), BLUE, WHITE, CSize(6, 14)),
                            STRIP_LEFT + 10, 112));
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, EventLabelTest,
                         testing::Values(EventCase{"Normal136", 136, "N"}, EventCase{"Normal272", 272, "N"},
                                         EventCase{"Ventricular", 19264, "V"},
                                         EventCase{"Supraventricular", 920, "S"},
                                         EventCase{"VentricularFibrillation", 18892, "Vf"},
                                         EventCase{"Unknown1536", 1536, "?"},
                                         EventCase{"Unlabelled", 999, nullptr}),
                         TestCaseName());

// ---- Mouse ---------------------------------------------------------------------------------

struct ClickCase {
    const char* m_pszName;
    int x;
    int y;
    int64_t nStart;
    int64_t nRangeStart;
};

class StripClickTest : public LongTermStripTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(StripClickTest, OpensTheDetailWindowTwoSecondsBeforeTheClickedSample) {
    const ClickCase& c = GetParam();
    Open(TenMinutes());
    std::optional<std::pair<int64_t, int64_t>> opened;
    H().View().SetDetailWindowRunner([&](CDetailWaveWnd& wnd) {
        opened = {wnd.GetViewSample(), wnd.GetRangeStart()};
        return IDCANCEL;
    });
    H().View().OnLButtonDown(MK_LBUTTON, CPoint(c.x, c.y));
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(opened->first, c.nStart);
    EXPECT_EQ(opened->second, c.nRangeStart);
    EXPECT_EQ(H().Window().GetCursor(), ECursor::Magnifier);
}

INSTANTIATE_TEST_SUITE_P(Clicks, StripClickTest,
                         testing::Values(
                             // 100 pixels into row 3: sample 1000 + 3 x 7500.
                             ClickCase{"HundredPixelsIntoRowThree", STRIP_LEFT + 100, 300, 23'000, 15'500},
                             ClickCase{"FirstTwoSeconds", STRIP_LEFT + 30, 20, 0, 0},
                             ClickCase{"RightEdgeOfRowOne", STRIP_LEFT + 750, 100, 14'500, 7'000}),
                         TestCaseName());

TEST_F(LongTermStripTest, ClickCountsTheScrolledRows) {
    Open(TenMinutes(), CSize(1280, 400));
    H().Window().ScrollToPosition(CPoint(0, 800));
    H().Paint();
    CLongTermRenderer::SClickTarget target{};
    ASSERT_TRUE(H().View().GetLongTermRenderer()->ClickTarget(STRIP_LEFT + 100, 60, target));
    EXPECT_EQ(target.nClicked, 1000 + 10 * 7500);
}

TEST_F(LongTermStripTest, ClickLeftOfTheStripOpensNothing) {
    Open(TenMinutes());
    bool bOpened = false;
    H().View().SetDetailWindowRunner([&](CDetailWaveWnd&) { return bOpened = true, IDCANCEL; });
    H().View().OnLButtonDown(MK_LBUTTON, CPoint(STRIP_LEFT - 1, 100));
    EXPECT_FALSE(bOpened);
    EXPECT_EQ(H().Window().GetCursor(), ECursor::No);
}

struct CursorCase {
    const char* m_pszName;
    int nClientWidth;
    int x;
    ECursor eCursor;
};

class StripCursorTest : public LongTermStripTest, public testing::WithParamInterface<CursorCase> {};

TEST_P(StripCursorTest, MagnifierOnlyOverTheStrip) {
    const CursorCase& c = GetParam();
    Open(TenMinutes(), CSize(c.nClientWidth, 600));
    H().View().OnMouseMove(0, CPoint(c.x, 100));
    EXPECT_EQ(H().Window().GetCursor(), c.eCursor);
}

INSTANTIATE_TEST_SUITE_P(Positions, StripCursorTest,
                         testing::Values(CursorCase{"TimeColumn", 1280, STRIP_LEFT - 1, ECursor::No},
                                         CursorCase{"StripStart", 1280, STRIP_LEFT, ECursor::Magnifier},
                                         CursorCase{"StripEnd", 1280, STRIP_LEFT + 750, ECursor::Magnifier},
                                         CursorCase{"PastNarrowStrip", 1280, STRIP_LEFT + 751, ECursor::No},
                                         CursorCase{"WideStripEnd", 1500, STRIP_LEFT + 1500,
                                                    ECursor::Magnifier},
                                         CursorCase{"PastWideStrip", 1500, STRIP_LEFT + 1501, ECursor::No}),
                         TestCaseName());

TEST_F(LongTermStripTest, RecordingWithoutSamplingIntervalDrawsNoRowsAndOpensNothing) {
    LongTermRecording recording = TenMinutes(100, 100);
    recording.nIntervalUs = 0;
    recording.aEvents = {{136, 10}};
    Open(recording);
    EXPECT_EQ(H().View().GetExtent(), CRect(0, 0, 750, 0));
    EXPECT_FALSE(AnyPixelIn(CRect(0, 0, 900, 200), BLACK));
    bool bOpened = false;
    H().View().SetDetailWindowRunner([&](CDetailWaveWnd&) { return bOpened = true, IDCANCEL; });
    H().View().OnLButtonDown(MK_LBUTTON, CPoint(STRIP_LEFT + 10, 10));
    EXPECT_FALSE(bOpened);
}

TEST_F(LongTermStripTest, ShortRecordingHasNoRowsButItsEventsAndClickStay) {
    LongTermRecording recording;
    recording.aChannels = FlatChannels(2500, {0});
    recording.aEvents = {{860, 100}};
    Open(recording);
    EXPECT_EQ(H().View().GetExtent(), CRect(0, 0, 750, 0));
    EXPECT_FALSE(AnyPixelIn(CRect(0, 0, 900, 200), BLACK));
    EXPECT_TRUE(
        ShowsAt(H().Image(), RenderText("V", StripFont(), BLUE, WHITE, CSize(6, 14)), STRIP_LEFT + 10, 32));
    bool bOpened = false;
    H().View().SetDetailWindowRunner([&](CDetailWaveWnd&) { return bOpened = true, IDCANCEL; });
    H().View().OnLButtonDown(MK_LBUTTON, CPoint(STRIP_LEFT + 10, 10));
    EXPECT_TRUE(bOpened);
}

} // namespace
