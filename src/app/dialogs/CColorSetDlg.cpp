#include "app/dialogs/CColorSetDlg.h"

#include "platform/IProfile.h"
#include "platform/QtColor.h"
#include "res/CResources.h"
#include "res/Resource.h"
#include "view/CZelvoView.h"

#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr const char* g_szEcgSection = "ECG12";
constexpr const char* g_szUniSection = "Universal";
constexpr const char* g_szBackColor = "BackColor";
constexpr const char* g_szWaveColor = "WaveColor";
constexpr const char* g_szScaleWidth = "ScaleWidth";

constexpr int g_nEcgBackDefault = 0;
constexpr int g_nEcgWaveDefault = 0x000000;
constexpr int g_nUniBackDefault = 3;
constexpr int g_nUniWaveDefault = 0xFFFFFF;
constexpr int g_nScaleWidthDefault = 0;

// The universal list's last item is the black scheme with the 5 mm ruler.
constexpr int g_nBlackScheme = 3;
constexpr int g_nBlack5mmIndex = 4;
constexpr int g_nRulerScale = 1;

COLORREF ChooseWithColorDialog(COLORREF crInitial) {
    const QColor color =
        QColorDialog::getColor(ToQColor(crInitial), nullptr,
                               QString::fromStdString(CResources::LoadString(IDS_COLOR_CHOOSER_TITLE)));
    return color.isValid() ? RGB(color.red(), color.green(), color.blue()) : crInitial;
}

// A stored value the list does not have (a hand-edited profile) opens on the default scheme,
// so the list always has a selection and OK never stores a missing one.
void SelectScheme(QComboBox* pList, int nIndex, int nDefault) {
    pList->setCurrentIndex(nIndex >= 0 && nIndex < pList->count() ? nIndex : nDefault);
}

void ShowSwatch(QLineEdit* pSwatch, int32_t crColor) {
    QPalette palette = pSwatch->palette();
    palette.setColor(QPalette::Base, ToQColor(static_cast<COLORREF>(crColor)));
    pSwatch->setPalette(palette);
}

} // namespace

CColorSetDlg::CColorSetDlg(IProfile& profile, QWidget* pParent)
    : CTemplateDialog(IDD_COLOR_SET, pParent),
      m_nEcgBack(profile.GetProfileInt(g_szEcgSection, g_szBackColor, g_nEcgBackDefault)),
      m_crEcgWaveOld(profile.GetProfileInt(g_szEcgSection, g_szWaveColor, g_nEcgWaveDefault)),
      m_nUniBack(profile.GetProfileInt(g_szUniSection, g_szBackColor, g_nUniBackDefault)),
      m_crUniWaveOld(profile.GetProfileInt(g_szUniSection, g_szWaveColor, g_nUniWaveDefault)),
      m_nEcgScale(profile.GetProfileInt(g_szEcgSection, g_szScaleWidth, g_nScaleWidthDefault)),
      m_nUniScale(profile.GetProfileInt(g_szUniSection, g_szScaleWidth, g_nScaleWidthDefault)),
      m_crEcgWave(m_crEcgWaveOld), m_crUniWave(m_crUniWaveOld), m_profile(profile),
      m_chooseColor(ChooseWithColorDialog) {
    DoDataExchangeControls();
}

bool CColorSetDlg::Run(QWidget* pParent, CZelvoView& view) {
    CColorSetDlg dialog(*view.GetProfile(), pParent);
    return dialog.DoModal() == QDialog::Accepted;
}

void CColorSetDlg::DoDataExchangeControls() {
    m_cbEcgBack = GetComboBox(IDC_COLOR_ECG_BACK);
    m_edEcgWave = qobject_cast<QLineEdit*>(GetDlgItem(IDC_COLOR_ECG_WAVE));
    m_cbUniBack = GetComboBox(IDC_COLOR_UNI_BACK);
    m_edUniWave = qobject_cast<QLineEdit*>(GetDlgItem(IDC_COLOR_UNI_WAVE));
    m_btnEcgColor = qobject_cast<QPushButton*>(GetDlgItem(IDC_COLOR_ECG_CHOOSE));
    m_btnUniColor = qobject_cast<QPushButton*>(GetDlgItem(IDC_COLOR_UNI_CHOOSE));
    m_btnOK = qobject_cast<QPushButton*>(GetDlgItem(IDOK));
    m_btnCancel = qobject_cast<QPushButton*>(GetDlgItem(IDCANCEL));
    // The swatches only show colours: the focus stays with the buttons beside them.
    for (QLineEdit* pSwatch : {m_edEcgWave, m_edUniWave}) {
        pSwatch->setReadOnly(true);
        pSwatch->setFocusPolicy(Qt::NoFocus);
    }
}

bool CColorSetDlg::OnInitDialog() {
    CTemplateDialog::OnInitDialog();
    SetWindowText(CResources::LoadString(IDS_COLOR_SET_CAPTION));
    if (m_nUniBack == g_nBlackScheme && m_nUniScale == g_nRulerScale) {
        m_nUniBack = g_nBlack5mmIndex;
    }
    SelectScheme(m_cbEcgBack, m_nEcgBack, g_nEcgBackDefault);
    SelectScheme(m_cbUniBack, m_nUniBack, g_nUniBackDefault);
    OnCtlColor();
    return true;
}

void CColorSetDlg::OnCtlColor() {
    ShowSwatch(m_edEcgWave, m_crEcgWave);
    ShowSwatch(m_edUniWave, m_crUniWave);
}

void CColorSetDlg::OnCommand(int nId) {
    if (nId == IDC_COLOR_ECG_CHOOSE) {
        OnEcgColor();
    } else if (nId == IDC_COLOR_UNI_CHOOSE) {
        OnUniColor();
    } else {
        CTemplateDialog::OnCommand(nId);
    }
}

void CColorSetDlg::OnEcgColor() {
    m_crEcgWave = static_cast<int32_t>(m_chooseColor(static_cast<COLORREF>(m_crEcgWave)));
    OnCtlColor();
}

void CColorSetDlg::OnUniColor() {
    m_crUniWave = static_cast<int32_t>(m_chooseColor(static_cast<COLORREF>(m_crUniWave)));
    OnCtlColor();
}

bool CColorSetDlg::WriteChanges() {
    const int e = m_cbEcgBack->currentIndex();
    int u = m_cbUniBack->currentIndex();
    int sw = 0;
    bool bChanged = false;
    if (u > g_nBlackScheme) {
        u = g_nBlackScheme;
        sw = g_nRulerScale;
        bChanged = true;
        m_profile.WriteProfileInt(g_szUniSection, g_szBackColor, g_nBlackScheme);
        m_profile.WriteProfileInt(g_szUniSection, g_szScaleWidth, g_nRulerScale);
    }
    if (e != m_nEcgBack) {
        bChanged = true;
        m_profile.WriteProfileInt(g_szEcgSection, g_szBackColor, e);
        m_profile.WriteProfileInt(g_szEcgSection, g_szScaleWidth, 0);
    }
    if (m_crEcgWave != m_crEcgWaveOld) {
        bChanged = true;
        m_profile.WriteProfileInt(g_szEcgSection, g_szWaveColor, m_crEcgWave);
    }
    if (u != m_nUniBack) {
        bChanged = true;
        m_profile.WriteProfileInt(g_szUniSection, g_szBackColor, u);
        m_profile.WriteProfileInt(g_szUniSection, g_szScaleWidth, sw);
    }
    if (m_crUniWave != m_crUniWaveOld) {
        bChanged = true;
        m_profile.WriteProfileInt(g_szUniSection, g_szWaveColor, m_crUniWave);
    }
    return bChanged;
}

void CColorSetDlg::OnOK() {
    if (WriteChanges()) {
        accept();
    } else {
        reject();
    }
}
