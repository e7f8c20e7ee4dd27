#include "CModalRecorder.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace {

constexpr int g_nPollMs = 10;

} // namespace

CModalRecorder::CModalRecorder(Action fnAction) : m_fnAction(std::move(fnAction)) {
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start(g_nPollMs);
}

void CModalRecorder::Poll() {
    QWidget* pModal = QApplication::activeModalWidget();
    if (pModal == nullptr)
        return;
    const auto* pBox = qobject_cast<QMessageBox*>(pModal);
    m_aModals.push_back({pModal->windowTitle(), pBox != nullptr ? pBox->text() : QString()});
    if (m_fnAction)
        m_fnAction(pModal);
    if (auto* pDialog = qobject_cast<QDialog*>(pModal); pDialog != nullptr && pDialog->isVisible())
        pDialog->reject();
}
