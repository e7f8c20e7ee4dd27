#include "PixelArt.h"

#include "platform/CHeadlessViewWindow.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

using Picture = std::vector<std::string>;

// A view that draws a 20 x 20 sheet with a black mark at sheet point (6, 5) and sets its scroll
// sizes at the end of every paint, as the waveform view does.
struct SSheetView {
    CHeadlessViewWindow& window;
    std::vector<CPoint> aOrigins;

    void OnDraw(CDC& dc) {
        aOrigins.push_back(dc.GetWindowOrg());
        dc.FillRect({6, 5, 7, 6}, RGB(0, 0, 0));
        window.SetScrollSizes({20, 20}, {10, 10}, {1, 1});
    }
};

TEST(HeadlessViewWindowTest, PaintsWithTheOriginAtTheScrollPosition) {
    CHeadlessViewWindow window({10, 10});
    SSheetView view{window, {}};
    window.SetPaintHandler([&](CDC& dc) { view.OnDraw(dc); });
    window.RedrawNow();
    window.ScrollToPosition({4, 3});
    EXPECT_TRUE(window.IsInvalid());
    EXPECT_EQ(window.GetPaintCount(), 1);
    window.UpdateWindow();

    const Picture expected{"..........", "..........", "..#.......", "..........", "..........",
                           "..........", "..........", "..........", "..........", ".........."};
    EXPECT_EQ(PixelArt(window.GetImage()), expected);
    EXPECT_EQ(view.aOrigins, (std::vector<CPoint>{{0, 0}, {4, 3}}));
    EXPECT_FALSE(window.IsInvalid());
}

TEST(HeadlessViewWindowTest, APaintThatMovesTheScrollPositionLeavesTheWindowInvalid) {
    CHeadlessViewWindow window({10, 10});
    SSheetView view{window, {}};
    window.SetPaintHandler([&](CDC& dc) { view.OnDraw(dc); });
    window.RedrawNow();
    window.ScrollToPosition({10, 10});
    window.SetClientSize({15, 15});
    window.UpdateWindow();
    EXPECT_EQ(window.GetScrollPosition(), CPoint(5, 5));
    window.SetScrollSizes({20, 20}, {10, 10}, {1, 1});
    EXPECT_FALSE(window.IsInvalid());

    view.aOrigins.clear();
    window.SetPaintHandler([&](CDC& dc) {
        view.OnDraw(dc);
        window.SetScrollSizes({12, 12}, {10, 10}, {1, 1});
        window.RedrawNow();
    });
    window.RedrawNow();
    EXPECT_EQ(view.aOrigins, (std::vector<CPoint>{{5, 5}}));
    EXPECT_EQ(window.GetScrollPosition(), CPoint(0, 0));
    EXPECT_TRUE(window.IsInvalid());
}

TEST(HeadlessViewWindowTest, DefaultScrollUsesTheLineAndPageSizes) {
    CHeadlessViewWindow window({10, 10});
    window.SetScrollSizes({100, 50}, {8, 9}, {3, 4});
    window.DefaultScroll(SB_HORZ, SB_PAGERIGHT, 0);
    window.DefaultScroll(SB_VERT, SB_LINEDOWN, 0);
    EXPECT_EQ(window.GetScrollPosition(), CPoint(8, 4));
    window.DefaultScroll(SB_VERT, SB_BOTTOM, 0);
    EXPECT_EQ(window.GetScrollPosition(), CPoint(8, 40));
    EXPECT_EQ(window.GetScrollLimit(SB_HORZ), 90);
}

// A cross-hair drawn twice in R2_NOT on the client context leaves the painted picture as it was.
TEST(HeadlessViewWindowTest, ClientContextDrawsOnTheShownPicture) {
    CHeadlessViewWindow window({10, 10});
    window.SetPaintHandler([](CDC& dc) { dc.FillRect({0, 0, 5, 10}, RGB(255, 0, 0)); });
    window.RedrawNow();
    const QImage painted = window.GetImage().copy();
    // The lines stop short of their end points at the client's top and left edges, and their
    // crossing is inverted twice.
    const Picture crossed{"RRRRR.....", "RRRCR.....", "RRRCR.....", "RRRCR.....", "RRRCR.....",
                          "RRRCR.....", "RCCRC#####", "RRRCR.....", "RRRCR.....", "RRRCR....."};
    for (int nPass = 0; nPass < 2; ++nPass) {
        std::unique_ptr<CDC> pDC = window.GetClientDC();
        pDC->SetROP2(R2_NOT);
        const CRect rcClient = window.GetClientRect();
        pDC->MoveTo(rcClient.right, 6);
        pDC->LineTo(0, 6);
        pDC->MoveTo(3, rcClient.bottom);
        pDC->LineTo(3, 0);
        if (nPass == 0) {
            EXPECT_EQ(PixelArt(window.GetImage()), crossed);
        }
    }
    EXPECT_EQ(window.GetImage(), painted);
}

TEST(HeadlessViewWindowTest, RecordsCursorsAndShowsTheWaitCursorOnTop) {
    CHeadlessViewWindow window({10, 10});
    window.SetCursor(ECursor::Hand);
    window.BeginWaitCursor();
    window.SetCursor(ECursor::Grab);
    EXPECT_EQ(window.GetCursor(), ECursor::Wait);
    window.EndWaitCursor();
    window.EndWaitCursor();
    EXPECT_EQ(window.GetCursor(), ECursor::Grab);
    EXPECT_EQ(window.GetCursorHistory(), (std::vector<ECursor>{ECursor::Hand, ECursor::Grab}));
}

TEST(HeadlessViewWindowTest, MessageBoxesAreRecordedAnsweredAndEchoed) {
    CHeadlessViewWindow window({10, 10});
    std::ostringstream echo;
    window.SetMessageEcho(&echo);
    EXPECT_EQ(
        window.MessageBox("ファイルフォーマットが異常です", "ファイルオープンエラー", MB_OK | MB_ICONSTOP),
        IDOK);
    EXPECT_EQ(window.MessageBox("Save?", "Zelvo", MB_YESNO | MB_ICONQUESTION), IDYES);
    window.SetMessageBoxReply(IDCANCEL);
    EXPECT_EQ(window.MessageBox("Print?", "Zelvo", MB_OKCANCEL), IDCANCEL);
    ASSERT_EQ(window.GetMessageBoxes().size(), 3U);
    EXPECT_EQ(window.GetMessageBoxes()[1].nStyle, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(echo.str().substr(0, echo.str().find('\n')),
              "ファイルオープンエラー: ファイルフォーマットが異常です");
}

} // namespace
