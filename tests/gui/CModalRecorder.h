#pragma once

#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class QWidget;

// Answers the modal dialogs a test causes: each one that opens is recorded (window title and, for
// a message box, its text), handed to an optional action, and closed.
class CModalRecorder {
public:
    struct SModal {
        QString strTitle;
        QString strText;
    };
    using Action = std::function<void(QWidget* pDialog)>;

    explicit CModalRecorder(Action fnAction = {});
    const std::vector<SModal>& GetModals() const { return m_aModals; }

private:
    void Poll();

    Action m_fnAction;
    QTimer m_timer;
    std::vector<SModal> m_aModals;
};
