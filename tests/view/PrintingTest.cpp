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

TEST(PrintLoopTest, AnEmptyDrawingPrintsOnePageAndEnds) {
    CViewHarness harness;
    ASSERT_TRUE(harness.Open(RecordingOfType(5)));
    harness.Paint();
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "zelvo-print-empty";
    std::filesystem::create_directories(folder);
    CImagePrintPages pages(folder.string(), CSize(300, 200), 100);
    CPrintInfo info;
    harness.Settings().m_nTimeScale = 9;
    EXPECT_EQ(CPrintLoop::Run(harness.View(), pages, info), 1);
    EXPECT_EQ(info.GetMaxPage(), 1);
    EXPECT_EQ(harness.Settings().m_nTimeScale, 9)
        << "printing draws at the standard scale, then gives it back";
    std::filesystem::remove_all(folder);
}

} // namespace
