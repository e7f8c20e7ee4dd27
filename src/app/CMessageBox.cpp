#include "app/CMessageBox.h"

#include "platform/IUserPrompt.h"

#include <QMessageBox>
#include <QString>

namespace {

constexpr unsigned g_nButtonsMask = 0x000F;
constexpr unsigned g_nIconMask = 0x00F0;

QMessageBox::Icon IconOf(unsigned nStyle) {
    switch (nStyle & g_nIconMask) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(unsigned nStyle) {
    switch (nStyle & g_nButtonsMask) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int ResultOf(int nButton) {
    switch (nButton) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

} // namespace

int CMessageBox::Show(QWidget* pParent, const std::string& strText, const std::string& strCaption,
                      unsigned nStyle) {
    QMessageBox box(IconOf(nStyle), QString::fromStdString(strCaption), QString::fromStdString(strText),
                    ButtonsOf(nStyle), pParent);
    box.setObjectName(QStringLiteral("zelvoMessageBox"));
    return ResultOf(box.exec());
}
