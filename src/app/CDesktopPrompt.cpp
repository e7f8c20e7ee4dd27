#include "app/CDesktopPrompt.h"

#include "app/CMessageBox.h"

#include <QApplication>

int CDesktopPrompt::MessageBox(const std::string& strText, const std::string& strCaption, unsigned nStyle) {
    return CMessageBox::Show(nullptr, strText, strCaption, nStyle);
}

void CDesktopPrompt::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CDesktopPrompt::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}
