#include "CFrameFixture.h"
#include "CModalRecorder.h"

#include "app/CPrintController.h"
#include "res/Resource.h"

#include <QFile>
#include <QPrintPreviewWidget>

namespace {

using PrintTest = CFrameFixture;

TEST_F(PrintTest, WithoutAPrinterTheSheetGoesToAPdf) {
    if (CPrintController::HasPrinter())
        GTEST_SKIP() << "a printer is installed; this test must not print on it";
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    const QString strPdf = m_dir.filePath(QStringLiteral("sheet.pdf"));
    const int nPages = m_pFrame->GetPrinting().PrintDirect(m_pFrame->GetView(), QString(), strPdf);
    EXPECT_GE(nPages, 1);
    QFile pdf(strPdf);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray data = pdf.readAll();
    EXPECT_TRUE(data.startsWith("%PDF"));
    EXPECT_EQ(data.count("/Type /Page\n") + data.count("/Type /Page\r"), nPages);
}

TEST_F(PrintTest, PreviewShowsThePagesOfTheView) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    int nPreviewPages = 0;
    CModalRecorder recorder([&](QWidget* pDialog) {
        if (auto* pPreview = pDialog->findChild<QPrintPreviewWidget*>())
            nPreviewPages = pPreview->pageCount();
    });
    Trigger(ID_FILE_PRINT_PREVIEW);
    ASSERT_EQ(recorder.GetModals().size(), 1u);
    EXPECT_GE(nPreviewPages, 1);
}

} // namespace
