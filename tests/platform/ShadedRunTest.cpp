#include "PixelArt.h"

#include "platform/CPrinterDC.h"
#include "platform/CRasterDC.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr COLORREF g_crRed = RGB(255, 0, 0);
constexpr COLORREF g_crGreen = RGB(0, 255, 0);
constexpr COLORREF g_crBlue = RGB(0, 0, 255);

// Runs along both axes in both directions, with repeated shades, some cut by the image's edges.
void DrawRuns(CDC& dc) {
    dc.SetWindowOrg(-1, -1);
    const std::vector<COLORREF> acrFade{g_crRed, g_crRed, g_crGreen, g_crBlue, g_crBlue, g_crBlue};
    dc.DrawShadedRun(CPoint(1, 7), CSize(0, -1), acrFade);
    dc.DrawShadedRun(CPoint(3, 1), CSize(0, 1), acrFade);
    dc.DrawShadedRun(CPoint(8, 8), CSize(-1, 0), acrFade);
    dc.DrawShadedRun(CPoint(5, 2), CSize(1, 0), acrFade);
    // Runs entering the image from above and from the right, and one beside it.
    dc.DrawShadedRun(CPoint(7, -3), CSize(0, 1), acrFade);
    dc.DrawShadedRun(CPoint(11, 5), CSize(-1, 0), acrFade);
    dc.DrawShadedRun(CPoint(-2, 0), CSize(0, 1), acrFade);
    // A diagonal step is no run.
    dc.DrawShadedRun(CPoint(4, 4), CSize(1, 1), acrFade);
}

TEST(ShadedRunTest, RunsOfOneColourPerPixelAlongRowsAndColumns) {
    QImage image = BlankCanvas(10, 10);
    CRasterDC dc(image);
    const CPen penSelected(1, g_crGreen);
    dc.SelectPen(penSelected);
    dc.MoveTo(3, 3);
    DrawRuns(dc);
    EXPECT_EQ(PixelArt(image), (std::vector<std::string>{
                                   "........G.",
                                   "........B.",
                                   "....R...B.",
                                   "..B.R.RRBB",
                                   "..B.G.....",
                                   "..B.B.....",
                                   "..G.B..BBB",
                                   "..R.B.....",
                                   "..R.......",
                                   "....BBBGRR",
                               }));
    EXPECT_EQ(dc.GetCurrentPen(), penSelected);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(3, 3));
}

// Surfaces without their own runs draw each run as the lines of one colour it is made of.
TEST(ShadedRunTest, PrinterDrawsARunAsItsLinesOfOneColour) {
    const auto Printed = [](const std::function<void(CDC&)>& fnDraw) {
        QImage image = BlankCanvas(10, 10);
        QPainter painter(&image);
        CPrinterDC dc(painter);
        fnDraw(dc);
        painter.end();
        return image;
    };
    const QImage runs = Printed([](CDC& dc) {
        dc.DrawShadedRun(CPoint(2, 8), CSize(0, -1),
                         std::vector<COLORREF>{g_crRed, g_crRed, g_crGreen, g_crBlue});
    });
    const QImage lines = Printed([](CDC& dc) {
        dc.MoveTo(2, 8);
        for (const auto& [cr, y] : {std::pair{g_crRed, 6}, std::pair{g_crGreen, 5}, std::pair{g_crBlue, 4}}) {
            dc.SelectPen(CPen(1, cr));
            dc.LineTo(2, y);
        }
    });
    EXPECT_EQ(runs, lines);
    EXPECT_NE(runs, BlankCanvas(10, 10));
}

TEST(ShadedRunTest, InvertingRunsEraseThemselves) {
    QImage image = BlankCanvas(10, 10);
    CRasterDC dc(image);
    dc.SetROP2(R2_NOT);
    DrawRuns(dc);
    EXPECT_NE(image, BlankCanvas(10, 10));
    DrawRuns(dc);
    EXPECT_EQ(image, BlankCanvas(10, 10));
}

} // namespace
