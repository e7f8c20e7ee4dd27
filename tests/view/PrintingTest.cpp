#include "CViewHarness.h"
#include "ViewTestFixtures.h"
#include "platform/CImagePrintPages.h"
#include "platform/CPrinterDC.h"
#include "view/CPrintLoop.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct ScaleCase {
    int nTimeScale;
    int nPrinterDpi;
    int nExpected;
};

TEST(PixelsPerMmTest, ScreenFollowsTheTimeScaleAndPaperTheResolution) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(40)));
    harness.Paint();
    QImage screen(10, 10, QImage::Format_ARGB32);
    CRasterDC screenDC(screen);
    QImage paper(10, 10, QImage::Format_ARGB32);
    for (const ScaleCase& c : {ScaleCase{6, 600, 25}, ScaleCase{20, 600, 112}, ScaleCase{6, 300, 12}}) {
        harness.Settings().m_nTimeScale = c.nTimeScale;
        EXPECT_EQ(harness.View().CalcPixelsPerMm(&screenDC), c.nTimeScale - 2);
        paper.setDotsPerMeterX(static_cast<int>(c.nPrinterDpi / 0.0254 + 0.5));
        QPainter painter(&paper);
        CPrinterDC printerDC(painter);
        EXPECT_EQ(harness.View().CalcPixelsPerMm(&printerDC), c.nExpected)
            << c.nTimeScale << " " << c.nPrinterDpi;
    }
}

TEST(PixelsPerMmTest, HighDensityScreenKeepsTheSheetsSize) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(40)));
    QImage screen(10, 10, QImage::Format_ARGB32);
    CRasterDC doubleDensity(screen, 2 * harness.Window().GetScreenLogPixelsX());
    EXPECT_EQ(harness.View().CalcPixelsPerMm(&doubleDensity), 8);
    CRasterDC oneAndAHalf(screen, 3 * harness.Window().GetScreenLogPixelsX() / 2);
    harness.Settings().m_nTimeScale = 5;
    EXPECT_EQ(harness.View().CalcPixelsPerMm(&oneAndAHalf), 4);
}

TEST(PrintLoopTest, TilesTheDrawingAcrossThenDownAndEnds) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(5, 4)));
    harness.Paint();
    harness.Settings().m_nTimeScale = 9;
    const CSize sizePage(300, 200);
    QImage paper(sizePage.cx, sizePage.cy, QImage::Format_ARGB32);
    paper.setDotsPerMeterX(static_cast<int>(100 / 0.0254 + 0.5));
    CSize sizeExtent;
    {
        QPainter painter(&paper);
        CPrinterDC printerDC(painter);
        sizeExtent = harness.View().GetDocExtent(&printerDC);
    }
    ASSERT_GT(sizeExtent.cx, sizePage.cx);
    const int nPages = ((sizeExtent.cx + 299) / 300) * ((sizeExtent.cy + 199) / 200);

    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "zelvo-print-tiles";
    std::filesystem::create_directories(folder);
    CImagePrintPages pages(folder.string(), sizePage, 100);
    CPrintInfo info;
    EXPECT_EQ(CPrintLoop::Run(harness.View(), pages, info), nPages);
    EXPECT_EQ(info.GetMaxPage(), nPages);
    EXPECT_EQ(pages.GetWrittenFiles().size(), static_cast<size_t>(nPages));
    EXPECT_EQ(harness.Settings().m_nTimeScale, 9)
        << "printing draws at the standard scale, then gives it back";
    std::filesystem::remove_all(folder);
}

} // namespace
