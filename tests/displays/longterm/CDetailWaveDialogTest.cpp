#include "app/CDetailWaveDialog.h"
#include "app/CZelvoDoc.h"
#include "displays/longterm/CDetailWaveWnd.h"
#include "displays/longterm/CEventIndex.h"
#include "displays/longterm/DetailWaveMenu.h"
#include "mfer/MferAttributes.h"
#include "platform/CHeadlessViewWindow.h"
#include "platform/CMemoryProfile.h"
#include "view/CZelvoView.h"

#include "LongTermRecording.h"
#include "TestCaseName.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

// A long-term recording opened in a view, and a detail window on it, as the strip's click makes it.
class DetailWaveDialogTest : public testing::Test {
protected:
    void SetUp() override {
        LongTermRecording recording;
        recording.aChannels = FlatChannels(150'000, {0, 0});
        for (size_t i = 0; i < 150'000; i += 200)
            recording.aChannels[0][i] = 400;
        m_strPath =
            (std::filesystem::temp_directory_path() / ("zelvo-detail-" + std::to_string(getpid()) + ".mwf"))
                .string();
        ASSERT_TRUE(recording.Build().WriteFile(m_strPath));
        ASSERT_TRUE(m_doc.OnOpenDocument(m_strPath));
        m_pView = std::make_unique<CZelvoView>(m_doc, m_window, m_profile);
        const MferAttributes* pFrame = m_doc.GetFrameAttributes(0);
        std::array<CDetailWaveWnd::SChannel, 2> aChannels;
        for (int16_t c = 0; c < 2; ++c)
            aChannels[static_cast<size_t>(c)] = {m_doc.GetFrameSamples(0, 0, c), 150'000};
        m_events.Refresh(pFrame->m_pFirstEvent, pFrame->m_pLastEvent);
        m_pWnd =
            std::make_unique<CDetailWaveWnd>(m_pView.get(), 23'000, 15'500, *pFrame, aChannels, &m_events);
    }
    void TearDown() override { std::filesystem::remove(m_strPath); }

    std::string m_strPath;
    CZelvoDoc m_doc;
    CHeadlessViewWindow m_window{CSize(1280, 1024)};
    CMemoryProfile m_profile;
    std::unique_ptr<CZelvoView> m_pView;
    CEventIndex m_events;
    std::unique_ptr<CDetailWaveWnd> m_pWnd;
};

TEST_F(DetailWaveDialogTest, OpensWithItsCaptionPaperSizeAndScrollBar) {
    CDetailWaveDialog dialog(*m_pWnd);
    m_pWnd->OnInitDialog();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("詳細波形"));
    EXPECT_EQ(dialog.GetPaper()->size(), QSize(500, 375));
    EXPECT_EQ(dialog.GetScrollBar()->maximum(), 5500);
    EXPECT_EQ(dialog.GetScrollBar()->value(), 3000);
    const QImage shown = dialog.GetPaper()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(4, 13)), QColor(255, 220, 128)) << "the paper reaches the screen";
}

TEST_F(DetailWaveDialogTest, ScrollBarActionsMoveTheWindowAndTheBarShowsWhereItIs) {
    CDetailWaveDialog dialog(*m_pWnd);
    m_pWnd->OnInitDialog();
    dialog.show();
    dialog.GetScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m_pWnd->GetViewSample(), 23'020);
    EXPECT_EQ(dialog.GetScrollBar()->value(), 3008);
    dialog.GetScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(m_pWnd->GetViewSample(), 23'520);
    EXPECT_EQ(dialog.GetScrollBar()->value(), 3208);
}

TEST_F(DetailWaveDialogTest, MenuCommandsAndTheirCheckMarksAsThePopupOpens) {
    CDetailWaveDialog dialog(*m_pWnd);
    m_pWnd->OnInitDialog();
    dialog.show();
    QAction* pValue = dialog.GetCommandAction(ID_DETAIL_MEASURE_VALUE);
    QAction* pInterval = dialog.GetCommandAction(ID_DETAIL_MEASURE_INTERVAL);
    ASSERT_NE(pValue, nullptr);
    ASSERT_NE(pInterval, nullptr);
    EXPECT_EQ(pValue->text(), QString::fromUtf8("計測\tAlt+1"));
    pInterval->trigger();
    EXPECT_EQ(m_pWnd->GetMeasureMode(), 2);
    auto* pMenu = qobject_cast<QMenu*>(pInterval->parent());
    ASSERT_NE(pMenu, nullptr);
    emit pMenu->aboutToShow();
    EXPECT_TRUE(pInterval->isChecked());
    EXPECT_FALSE(pValue->isChecked());
}

TEST_F(DetailWaveDialogTest, MouseMeasuresOnThePaper) {
    CDetailWaveDialog dialog(*m_pWnd);
    m_pWnd->OnInitDialog();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.GetCommandAction(ID_DETAIL_MEASURE_INTERVAL)->trigger();
    QWidget* pPaper = dialog.GetPaper();
    QTest::mousePress(pPaper, Qt::LeftButton, Qt::NoModifier, QPoint(101, 200));
    QTest::mouseMove(pPaper, QPoint(181, 200));
    QTest::mouseRelease(pPaper, Qt::LeftButton, Qt::NoModifier, QPoint(181, 200));
    EXPECT_EQ(m_pWnd->GetMeasureStep(), 2);
    EXPECT_EQ(m_pWnd->GetMeasureText(), "HR: 75   800 ms ");
    QTest::mouseClick(pPaper, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(m_pWnd->GetMeasureStep(), 0);
}

struct CloseCase {
    const char* m_pszName;
    Qt::Key key;
    int nResult;
};

class DetailDialogCloseTest : public DetailWaveDialogTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(DetailDialogCloseTest, KeysEndTheModalLoop) {
    const CloseCase& c = GetParam();
    int nResult = -1;
    QTimer::singleShot(0, [&] {
        auto* pDialog = dynamic_cast<CDetailWaveDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(pDialog, nullptr);
        QTest::keyClick(pDialog, c.key);
    });
    nResult = CDetailWaveDialog::RunModal(*m_pWnd);
    EXPECT_EQ(nResult, c.nResult);
}

INSTANTIATE_TEST_SUITE_P(Keys, DetailDialogCloseTest,
                         testing::Values(CloseCase{"Enter", Qt::Key_Return, 1},
                                         CloseCase{"Esc", Qt::Key_Escape, 2}),
                         TestCaseName());

TEST_F(DetailWaveDialogTest, CloseMenuAndCloseBoxEndTheWindow) {
    QTimer::singleShot(0, [] {
        auto* pDialog = dynamic_cast<CDetailWaveDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(pDialog, nullptr);
        pDialog->GetCommandAction(ID_DETAIL_CLOSE)->trigger();
    });
    EXPECT_EQ(CDetailWaveDialog::RunModal(*m_pWnd), 5);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(CDetailWaveDialog::RunModal(*m_pWnd), 2);
}

} // namespace
