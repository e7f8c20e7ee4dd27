#include "CFrameFixture.h"
#include "CModalRecorder.h"

#include "app/CCommandActions.h"
#include "app/CZelvoApp.h"
#include "app/CZelvoViewWidget.h"
#include "platform/ScrollBar.h"
#include "res/Resource.h"
#include "view/CZelvoView.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QUrl>

#include <algorithm>

namespace {

using MainFrameTest = CFrameFixture;

// The test program has no language library beside it: start-up says so and goes on in Japanese.
TEST_F(MainFrameTest, StartsOnTheFileOfTheCommandLine) {
    qputenv("LC_ALL", "en_US.UTF-8");
    CModalRecorder recorder;
    CZelvoApp app;
    ASSERT_TRUE(app.InitInstance({Sample("ecg12-resting.mwf").toStdString()}));
    CMainFrame* pFrame = app.GetMainFrame();
    EXPECT_EQ(pFrame->windowTitle(), QStringLiteral("ecg12-resting.mwf - Zelvo"));
    EXPECT_TRUE(pFrame->isVisible());
    EXPECT_EQ(pFrame->GetView().GetCategory(), 1);
    ASSERT_EQ(recorder.GetModals().size(), 1u);
    EXPECT_EQ(recorder.GetModals()[0].strText, QStringLiteral("QuarnelResource_ENG.DLL  Load Error !"));
    pFrame->close();
}

TEST_F(MainFrameTest, UndecodableFileShowsTheFormatMessageAndEnds) {
    const QString strBad = m_dir.filePath(QStringLiteral("bad.mwf"));
    QFile file(strBad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromHex("0801018000"));
    file.close();
    CModalRecorder recorder;
    CZelvoApp app;
    EXPECT_FALSE(app.InitInstance({strBad.toStdString()}));
    EXPECT_EQ(app.GetExitCode(), CZelvoApp::EXIT_FAILED);
    ASSERT_EQ(recorder.GetModals().size(), 2u);
    EXPECT_EQ(recorder.GetModals()[1].strText, QStringLiteral("ファイルフォーマットが異常です"));
    EXPECT_EQ(recorder.GetModals()[1].strTitle, QStringLiteral("ファイルオープンエラー"));
}

TEST_F(MainFrameTest, WithoutADocumentTheViewCommandsNeedingOneAreDisabled) {
    m_pFrame->OnNewDocument();
    EXPECT_FALSE(Updated(ID_SENSITIVITY_ONE)->isEnabled());
    EXPECT_FALSE(Updated(ID_WAVE_INFO)->isEnabled());
    EXPECT_FALSE(Updated(ID_UNIVERSAL)->isEnabled());
    EXPECT_TRUE(Updated(ID_SMOOTH)->isEnabled());
    EXPECT_FALSE(Updated(ID_FILE_SAVE)->isEnabled());
    EXPECT_FALSE(Updated(ID_EDIT_CUT)->isEnabled());
    EXPECT_TRUE(Updated(ID_FILE_OPEN)->isEnabled());
}

TEST_F(MainFrameTest, SensitivityItemsCheckWhatTheyChoose) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    EXPECT_TRUE(Updated(ID_SENSITIVITY_ONE)->isChecked());
    EXPECT_FALSE(Updated(ID_SENSITIVITY_TWO)->isChecked());
    Trigger(ID_SENSITIVITY_TWO);
    EXPECT_TRUE(Updated(ID_SENSITIVITY_TWO)->isChecked());
    EXPECT_FALSE(Updated(ID_SENSITIVITY_ONE)->isChecked());
    EXPECT_EQ(View().GetSettings()->m_nSensitivity, 4);
}

TEST_F(MainFrameTest, EcgViewOnlyForBloodPressureAndLayoutTextsFollowTheDisplay) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    EXPECT_FALSE(Updated(ID_ECG_VIEW)->isEnabled());
    EXPECT_EQ(Updated(ID_LAYOUT_6X2)->text(), QStringLiteral("心電図 ６×２"));
    ASSERT_TRUE(Open("bp.mwf"));
    EXPECT_TRUE(Updated(ID_ECG_VIEW)->isEnabled());
    EXPECT_EQ(Updated(ID_LAYOUT_6X2)->text(), QStringLiteral("血圧波形"));
    EXPECT_EQ(Updated(ID_LAYOUT_3X4)->text(), QStringLiteral("電気生理"));
    Trigger(ID_ECG_VIEW);
    EXPECT_TRUE(Updated(ID_ECG_VIEW)->isChecked());
    EXPECT_TRUE(Updated(ID_LAYOUT_FULL)->isChecked());
}

TEST_F(MainFrameTest, ZoomButtonsStopAtTheEndsOfTheRange) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    m_pFrame->GetViewWidget().RedrawNow();
    for (int i = 0; i < 20; ++i)
        Trigger(ID_ZOOM_IN);
    EXPECT_EQ(View().GetSettings()->m_nTimeScale, 20);
    Trigger(ID_STANDARD_SCALE);
    EXPECT_EQ(View().GetSettings()->m_nTimeScale, 6);
}

TEST_F(MainFrameTest, AcceleratorsRunTheirCommands) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    m_pFrame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pFrame.get()));
    m_pFrame->activateWindow();
    QTest::keyClick(m_pFrame.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(View().GetSettings()->m_nSensitivity, 1);
    QTest::keyClick(m_pFrame.get(), Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(View().GetSettings()->m_nTimeScale, 7);
}

TEST_F(MainFrameTest, NavigationKeysScrollTheView) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    m_pFrame->resize(500, 400);
    m_pFrame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pFrame.get()));
    CZelvoViewWidget& widget = m_pFrame->GetViewWidget();
    widget.RedrawNow();
    const CPoint ptEnd(widget.GetScrollLimit(SB_HORZ), widget.GetScrollLimit(SB_VERT));
    ASSERT_GT(ptEnd.x, 0);
    ASSERT_GT(ptEnd.y, 0);
    QTest::keyClick(&widget, Qt::Key_End);
    EXPECT_EQ(widget.GetScrollPosition(), ptEnd);
    QTest::keyClick(&widget, Qt::Key_Home);
    EXPECT_EQ(widget.GetScrollPosition(), CPoint(0, 0));
    QTest::keyClick(&widget, Qt::Key_Right);
    QTest::keyClick(&widget, Qt::Key_Down);
    EXPECT_EQ(widget.GetScrollPosition(), CPoint(100, 20));
}

TEST_F(MainFrameTest, EachDisplayShowsItsPointer) {
    CZelvoViewWidget& widget = m_pFrame->GetViewWidget();
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    // The wait cursor of the decoding is gone again.
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(widget.GetCursor(), ECursor::Hand);
    EXPECT_EQ(widget.viewport()->cursor().shape(), Qt::OpenHandCursor);
    ASSERT_TRUE(Open("holter-2ch.mwf"));
    EXPECT_EQ(widget.GetCursor(), ECursor::Magnifier);
    EXPECT_EQ(widget.viewport()->cursor().shape(), Qt::BitmapCursor);
}

// Buttons that are on no menu take their state on idle.
TEST_F(MainFrameTest, ToolbarOnlyButtonsFollowTheDisplay) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    m_pFrame->GetViewWidget().RedrawNow();
    m_pFrame->UpdateToolBar();
    QAction* pSwitch = m_pFrame->GetCommands().FindAction(ID_DISPLAY_SWITCH);
    QAction* pFilter = m_pFrame->GetCommands().FindAction(ID_HIGH_CUT_FILTER);
    ASSERT_NE(pSwitch, nullptr);
    ASSERT_NE(pFilter, nullptr);
    EXPECT_TRUE(pSwitch->isEnabled());
    EXPECT_TRUE(pFilter->isEnabled());
    pFilter->trigger();
    EXPECT_TRUE(pFilter->isChecked());
    ASSERT_TRUE(Open("holter-2ch.mwf"));
    m_pFrame->GetViewWidget().RedrawNow();
    m_pFrame->UpdateToolBar();
    EXPECT_FALSE(pSwitch->isEnabled());
    EXPECT_FALSE(pFilter->isEnabled());
    EXPECT_TRUE(pFilter->isChecked());
}

TEST_F(MainFrameTest, ScrollBarPagesByTheClientAndStepsByTheLine) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    m_pFrame->resize(500, 300);
    m_pFrame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pFrame.get()));
    CZelvoViewWidget& widget = m_pFrame->GetViewWidget();
    widget.RedrawNow();
    widget.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(widget.GetScrollPosition().y,
              std::min(widget.GetClientSize().cy, widget.GetScrollLimit(SB_VERT)));
    widget.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(widget.GetScrollPosition().x, 100);
    EXPECT_EQ(widget.horizontalScrollBar()->value(), 100);
    widget.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(widget.GetScrollPosition().y, 0);
}

TEST_F(MainFrameTest, RecentFilesListTheNewestFirstInTheFileMenu) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    ASSERT_TRUE(Open("eeg.mwf"));
    const QStringList& astrFiles = m_pFrame->GetRecentFiles().GetEntries();
    ASSERT_EQ(astrFiles.size(), 2);
    EXPECT_TRUE(astrFiles[0].endsWith(QStringLiteral("eeg.mwf")));
    QMenu* pFileMenu = m_pFrame->GetCommands().FindPopupOf(ID_FILE_MRU_FILE1);
    ASSERT_NE(pFileMenu, nullptr);
    emit pFileMenu->aboutToShow();
    EXPECT_TRUE(
        m_pFrame->GetCommands().FindAction(ID_FILE_MRU_FILE1)->text().startsWith(QStringLiteral("&1 ")));
    EXPECT_TRUE(
        m_pFrame->GetCommands().FindAction(ID_FILE_MRU_FILE1)->text().endsWith(QStringLiteral("eeg.mwf")));
    Trigger(ID_FILE_MRU_FILE1);
    EXPECT_TRUE(QString::fromStdString(m_doc.GetPathName()).endsWith(QStringLiteral("eeg.mwf")));
}

TEST_F(MainFrameTest, DroppedFileIsOpened) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Sample("eeg.mwf"))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_pFrame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_pFrame.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("eeg.mwf - Zelvo"));
    EXPECT_EQ(View().GetCategory(), 4);
}

TEST_F(MainFrameTest, PlacementIsSavedOnCloseAndRestored) {
    m_pFrame->setGeometry(40, 60, 640, 480);
    m_pFrame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pFrame.get()));
    m_pFrame->close();
    EXPECT_EQ(m_pProfile->GetProfileInt("Window", "Left", -1), 40);
    EXPECT_EQ(m_pProfile->GetProfileInt("Window", "Bottom", -1), 540);
    EXPECT_EQ(m_pProfile->GetProfileInt("Window", "Show", -1), 1);
    CreateFrame();
    m_pFrame->ActivateFrame();
    EXPECT_EQ(m_pFrame->geometry(), QRect(40, 60, 640, 480));
    EXPECT_TRUE(m_pFrame->isVisible());
}

} // namespace
