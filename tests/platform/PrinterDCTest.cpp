#include "PixelArt.h"

#include "platform/CPrinterDC.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int g_nPrinterDpi = 600;
constexpr double g_dInchesPerMetre = 39.37007874;

TEST(PrinterDCTest, DrawsVectorsAtTheDeviceResolution) {
    QImage image = BlankCanvas(40, 20);
    image.setDotsPerMeterX(static_cast<int>(std::lround(g_nPrinterDpi * g_dInchesPerMetre)));
    QPainter painter(&image);
    CPrinterDC dc(painter);
    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), g_nPrinterDpi);

    dc.SetWindowOrg(10, 0);
    dc.SelectPen(CPen(3, RGB(0, 0, 0)));
    dc.MoveTo(12, 5);
    dc.LineTo(40, 5);
    dc.FillRect({12, 12, 15, 14}, RGB(255, 0, 0));
    painter.end();

    // Device x 2 to 29: from the start pixel up to the end pixel, three rows centred on y 5.
    const std::string strLine = std::string(2, '.') + std::string(28, '#') + std::string(10, '.');
    const std::string strFill = std::string(2, '.') + std::string(3, 'R') + std::string(35, '.');
    const std::string strEmpty(40, '.');
    const std::vector<std::string> aRows = PixelArt(image);
    EXPECT_EQ(aRows[3], strEmpty);
    EXPECT_EQ(aRows[4], strLine);
    EXPECT_EQ(aRows[5], strLine);
    EXPECT_EQ(aRows[6], strLine);
    EXPECT_EQ(aRows[7], strEmpty);
    EXPECT_EQ(aRows[12], strFill);
    EXPECT_EQ(aRows[13], strFill);
    EXPECT_EQ(aRows[14], strEmpty);
}

// Grey pixels along a slanted line appear only when a display asks for smooth drawing.
TEST(PrinterDCTest, SmoothsLinesOnlyOnRequest) {
    for (const bool bSmooth : {false, true}) {
        QImage image = BlankCanvas(20, 20);
        QPainter painter(&image);
        CPrinterDC dc(painter);
        dc.SetAntialiasing(bSmooth);
        dc.MoveTo(1, 2);
        dc.LineTo(18, 9);
        painter.end();
        const std::vector<std::string> aRows = PixelArt(image);
        const bool bGrey = std::any_of(aRows.begin(), aRows.end(), [](const std::string& strRow) {
            return strRow.find('?') != std::string::npos;
        });
        EXPECT_EQ(bGrey, bSmooth);
    }
}

TEST(PrinterDCTest, WritesTextToAPdf) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString strPath = dir.filePath("page.pdf");
    {
        QPdfWriter writer(strPath);
        writer.setResolution(g_nPrinterDpi);
        QPainter painter(&writer);
        CPrinterDC dc(painter);
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), g_nPrinterDpi);
        dc.SelectFont(CFont(LOGFONT{.lfHeight = 100, .lfPitchAndFamily = FF_SWISS, .lfFaceName = "Arial"}));
        const CSize size = dc.GetTextExtent("II");
        EXPECT_NEAR(size.cy, 100, 2);
        dc.TextOut(100, 100, "II");
        dc.FrameRect(CRect(CPoint(100, 100), size), RGB(0, 0, 0));
    }
    EXPECT_GT(QFileInfo(strPath).size(), 0);
}

} // namespace
