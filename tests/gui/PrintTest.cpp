#include "CFrameFixture.h"
#include "CModalRecorder.h"

#include "app/CPrintController.h"
#include "res/Resource.h"

#include <QFile>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QProcessEnvironment>

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

namespace {

// The whole program from the command line: print and end, with the pages beside the recording.
TEST(PrintSwitchTest, PrintSwitchWritesThePdfBesideTheRecordingAndEnds) {
    if (CPrintController::HasPrinter())
        GTEST_SKIP() << "a printer is installed; this test must not print on it";
    QTemporaryDir dir;
    const QString strRecording = dir.filePath(QStringLiteral("rec01.mwf"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZELVO_SAMPLE_DIR "/ecg12-resting.mwf"), strRecording));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ZELVO_PROGRAM), {QStringLiteral("/p"), strRecording});
    ASSERT_TRUE(program.waitForFinished());
    EXPECT_EQ(program.exitCode(), 0);
    QFile pdf(dir.filePath(QStringLiteral("rec01.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

} // namespace
