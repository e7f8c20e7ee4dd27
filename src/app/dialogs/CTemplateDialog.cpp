#include "app/dialogs/CTemplateDialog.h"

#include "platform/IUserPrompt.h"
#include "res/CResources.h"
#include "res/LanguageId.h"
#include "res/Resource.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Dialog units: x in quarters of the average character width, y in eighths of the height.
constexpr int g_nHorizontalUnitsPerChar = 4;
constexpr int g_nVerticalUnitsPerChar = 8;
constexpr const char* g_szAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int g_nAlphabetLength = 52;
constexpr int g_nIconPixels = 32;

// Installed stand-ins for the template faces; simplified Chinese texts want a Chinese face
// first, the Japanese gothic covering what it lacks.
QStringList FontFamilies(const std::string& strFace) {
    const QStringList japaneseGothic = {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    if (CResources::Active().m_nLanguage == LANG_ID_CHINESE_PRC) {
        return QStringList{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")} +
               japaneseGothic;
    }
    if (strFace == "ＭＳ Ｐゴシック" || strFace == "MS PGothic") {
        return japaneseGothic;
    }
    return {QString::fromStdString(strFace)};
}

QWidget* CreateEdit(const DialogControl& control, QWidget* pParent) {
    if (control.nStyle & CTL_MULTILINE) {
        auto* pEdit = new QPlainTextEdit(pParent);
        pEdit->setReadOnly(control.nStyle & CTL_READ_ONLY);
        pEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
        return pEdit;
    }
    auto* pEdit = new QLineEdit(pParent);
    pEdit->setReadOnly(control.nStyle & CTL_READ_ONLY);
    pEdit->setFrame(control.nStyle & CTL_BORDER);
    if (control.nStyle & CTL_ALIGN_CENTER) {
        pEdit->setAlignment(Qt::AlignCenter);
    }
    return pEdit;
}

QWidget* CreateLabel(const DialogControl& control, QWidget* pParent) {
    auto* pLabel = new QLabel(QString::fromStdString(control.strText), pParent);
    Qt::Alignment alignment = Qt::AlignTop;
    alignment |= (control.nStyle & CTL_ALIGN_RIGHT)    ? Qt::AlignRight
                 : (control.nStyle & CTL_ALIGN_CENTER) ? Qt::AlignHCenter
                                                       : Qt::AlignLeft;
    pLabel->setAlignment(alignment);
    return pLabel;
}

QWidget* CreateIcon(QWidget* pParent) {
    auto* pLabel = new QLabel(pParent);
    pLabel->setPixmap(QApplication::windowIcon().pixmap(g_nIconPixels, g_nIconPixels));
    return pLabel;
}

} // namespace

CTemplateDialog::CTemplateDialog(int nTemplateId, QWidget* pParent) : QDialog(pParent) {
    const DialogTemplate* pTemplate = CResources::LoadDialog(nTemplateId);
    if (pTemplate == nullptr) {
        return;
    }
    setFont(DialogFont(*pTemplate));
    setWindowTitle(QString::fromStdString(pTemplate->strCaption));
    for (const DialogControl& control : pTemplate->controls) {
        CreateControl(control);
    }
    // Group boxes are drawn behind the controls they frame.
    for (QGroupBox* pGroup : findChildren<QGroupBox*>()) {
        pGroup->lower();
    }
    setFixedSize(DialogUnitsToPixels(font(), 0, 0, pTemplate->cx, pTemplate->cy).size());
}

int CTemplateDialog::DoModal() {
    OnInitDialog();
    return exec();
}

QFont CTemplateDialog::DialogFont(const DialogTemplate& dialog) {
    QFont font;
    font.setFamilies(FontFamilies(dialog.strFontFace));
    font.setPointSize(dialog.nFontPoints);
    return font;
}

QRect CTemplateDialog::DialogUnitsToPixels(const QFont& font, int x, int y, int cx, int cy) {
    const QFontMetrics metrics(font);
    // The average width of the alphabet, rounded, as the original platform measures it.
    const int nBaseX =
        (metrics.horizontalAdvance(QString::fromLatin1(g_szAlphabet)) / (g_nAlphabetLength / 2) + 1) / 2;
    const int nBaseY = metrics.height();
    auto scaleX = [nBaseX](int n) { return n * nBaseX / g_nHorizontalUnitsPerChar; };
    auto scaleY = [nBaseY](int n) { return n * nBaseY / g_nVerticalUnitsPerChar; };
    return QRect(scaleX(x), scaleY(y), scaleX(cx), scaleY(cy));
}

void CTemplateDialog::CreateControl(const DialogControl& control) {
    QWidget* pWidget = CreateWidget(control);
    QRect rcControl = DialogUnitsToPixels(font(), control.x, control.y, control.cx, control.cy);
    // A combo box's template height includes its dropped-down list; closed, it is one line high.
    if (control.eClass == EControlClass::ComboBox) {
        rcControl.setHeight(pWidget->sizeHint().height());
    }
    pWidget->setGeometry(rcControl);
    pWidget->setEnabled(!(control.nStyle & CTL_DISABLED));
    if (control.nId != IDC_STATIC) {
        m_controls[control.nId] = pWidget;
    }
}

QWidget* CTemplateDialog::CreateWidget(const DialogControl& control) {
    switch (control.eClass) {
    case EControlClass::PushButton: {
        auto* pButton = new QPushButton(QString::fromStdString(control.strText), this);
        pButton->setAutoDefault(false);
        pButton->setDefault(control.nStyle & CTL_DEFAULT_BUTTON);
        const int nId = control.nId;
        connect(pButton, &QPushButton::clicked, this, [this, nId] { OnCommand(nId); });
        return pButton;
    }
    case EControlClass::Edit:
        return CreateEdit(control, this);
    case EControlClass::ComboBox: {
        auto* pCombo = new QComboBox(this);
        for (const std::string& strItem : control.astrItems) {
            pCombo->addItem(QString::fromStdString(strItem));
        }
        return pCombo;
    }
    case EControlClass::GroupBox:
        return new QGroupBox(QString::fromStdString(control.strText), this);
    case EControlClass::Icon:
        return CreateIcon(this);
    case EControlClass::Static:
        break;
    }
    return CreateLabel(control, this);
}

void CTemplateDialog::OnCommand(int nId) {
    if (nId == IDOK) {
        OnOK();
    } else if (nId == IDCANCEL || nId == IDCLOSE) {
        OnCancel();
    }
}

QWidget* CTemplateDialog::GetDlgItem(int nId) const {
    const auto it = m_controls.find(nId);
    return it == m_controls.end() ? nullptr : it->second;
}

QComboBox* CTemplateDialog::GetComboBox(int nId) const {
    return qobject_cast<QComboBox*>(GetDlgItem(nId));
}

std::string CTemplateDialog::GetDlgItemText(int nId) const {
    QWidget* pWidget = GetDlgItem(nId);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget)) {
        return pEdit->text().toStdString();
    }
    if (auto* pText = qobject_cast<QPlainTextEdit*>(pWidget)) {
        return pText->toPlainText().toStdString();
    }
    if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
        return pLabel->text().toStdString();
    }
    if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        return pButton->text().toStdString();
    }
    if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget)) {
        return pGroup->title().toStdString();
    }
    return {};
}

void CTemplateDialog::SetDlgItemText(int nId, const std::string& strText) {
    QWidget* pWidget = GetDlgItem(nId);
    const QString text = QString::fromStdString(strText);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget)) {
        pEdit->setText(text);
    } else if (auto* pText = qobject_cast<QPlainTextEdit*>(pWidget)) {
        pText->setPlainText(text);
    } else if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
        pLabel->setText(text);
    } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        pButton->setText(text);
    } else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget)) {
        pGroup->setTitle(text);
    }
}

void CTemplateDialog::SetWindowText(const std::string& strText) {
    setWindowTitle(QString::fromStdString(strText));
}
