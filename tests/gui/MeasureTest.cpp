#include "CFrameFixture.h"
#include "CModalRecorder.h"

#include "app/CDetailWaveDialog.h"

#include "app/CZelvoViewWidget.h"
#include "res/Resource.h"
#include "view/CZelvoView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

class MeasureTest : public CFrameFixture, public testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        CFrameFixture::SetUp();
        ASSERT_TRUE(Open("ecg12-resting.mwf"));
        m_pFrame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pFrame.get()));
        m_pFrame->GetViewWidget().RedrawNow();
    }

    void Send(QEvent::Type eType, QPoint pt, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QWidget* pViewport = m_pFrame->GetViewWidget().viewport();
        QMouseEvent event(eType, pt, pViewport->mapToGlobal(pt), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(pViewport, &event);
    }
};

// A press, a drag and a release in either measurement mode leave a measurement on the sheet.
TEST_P(MeasureTest, DragMeasuresOnTheSheet) {
    Trigger(GetParam());
    ASSERT_EQ(View().GetSettings()->m_nMouseMode, GetParam() == ID_MEASURE_VALUE ? 1 : 2);
    const QImage before = m_pFrame->GetViewWidget().GetImage().copy();
    const QPoint ptFrom(260, 180);
    const QPoint ptTo(340, 230);
    Send(QEvent::MouseMove, ptFrom, Qt::NoButton, Qt::NoButton);
    Send(QEvent::MouseButtonPress, ptFrom, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseMove, ptTo, Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, ptTo, Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
    EXPECT_GT(View().GetMeasureState(), 0);
    EXPECT_NE(m_pFrame->GetViewWidget().GetImage(), before);
    // The right button clears the measurement first.
    Send(QEvent::MouseButtonPress, ptTo, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(View().GetMeasureState(), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, MeasureTest, testing::Values(ID_MEASURE_VALUE, ID_MEASURE_INTERVAL));

using DetailWindowTest = CFrameFixture;

// A click on the long-term strip opens the detail window over the main window.
TEST_F(DetailWindowTest, ClickOnTheStripOpensTheDetailWindow) {
    ASSERT_TRUE(Open("holter-2ch.mwf"));
    m_pFrame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pFrame.get()));
    m_pFrame->GetViewWidget().RedrawNow();
    bool bDetail = false;
    CModalRecorder recorder(
        [&](QWidget* pDialog) { bDetail = dynamic_cast<CDetailWaveDialog*>(pDialog) != nullptr; });
    QWidget* pViewport = m_pFrame->GetViewWidget().viewport();
    QTest::mouseMove(pViewport, QPoint(300, 100));
    QTest::mouseClick(pViewport, Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
    ASSERT_EQ(recorder.GetModals().size(), 1u);
    EXPECT_TRUE(bDetail);
}

} // namespace
