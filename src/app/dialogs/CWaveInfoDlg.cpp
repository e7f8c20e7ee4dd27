#include "app/dialogs/CWaveInfoDlg.h"

#include "app/CZelvoDoc.h"
#include "mfer/MferAttributes.h"
#include "mfer/MferText.h"
#include "res/CResources.h"
#include "res/Resource.h"
#include "view/CZelvoView.h"

#include <QKeyEvent>
#include <QMessageBox>

#include <algorithm>
#include <array>
#include <span>

namespace {

constexpr char g_chFieldSeparator = '^';

// AFX_IDP_PARSE_STRING_SIZE's "%1": the control's limit.
constexpr const char* g_szLimitPlaceholder = "%1";

struct InfoField {
    int nControl;
    std::string CWaveInfoDlg::*pMember;
    int nMaxChars;
};

// The controls with their read-back limits: the version, then the manufacturer fields in order.
const std::array<InfoField, 7> g_aFields = {{
    {IDC_INFO_VERSION, &CWaveInfoDlg::m_strVersion, 6},
    {IDC_INFO_MAKER, &CWaveInfoDlg::m_strMaker, 64},
    {IDC_INFO_MODEL, &CWaveInfoDlg::m_strModel, 64},
    {IDC_INFO_MODEL_VERSION, &CWaveInfoDlg::m_strModelVersion, 64},
    {IDC_INFO_SERIAL, &CWaveInfoDlg::m_strSerial, 64},
    {IDC_INFO_FILTER, &CWaveInfoDlg::m_strFilter, 32},
    {IDC_INFO_COMMENT, &CWaveInfoDlg::m_strComment, 256},
}};
const std::span<const InfoField> g_aManufacturerFields = std::span(g_aFields).subspan(1);

std::string FormatVersion(const int8_t (&abyVersion)[3]) {
    return std::to_string(abyVersion[0]) + "." + std::to_string(abyVersion[1]) + "." +
           std::to_string(abyVersion[2]);
}

std::string FormatCaption(const std::string& strFileName) {
    std::string strCaption = CResources::LoadString(IDS_WAVE_INFO_CAPTION);
    const size_t nPos = strCaption.find("%s");
    if (nPos != std::string::npos) {
        strCaption.replace(nPos, 2, strFileName);
    }
    return strCaption;
}

} // namespace

CWaveInfoDlg::CWaveInfoDlg(QWidget* pParent) : CTemplateDialog(IDD_WAVE_INFO, pParent) {}

void CWaveInfoDlg::Run(QWidget* pParent, CZelvoView& view) {
    CWaveInfoDlg dialog(pParent);
    dialog.m_pView = &view;
    dialog.DoModal();
}

std::string CWaveInfoDlg::FileNameOf(const std::string& strPath) {
    const size_t nSeparator = strPath.find_last_of("/\\");
    return nSeparator == std::string::npos ? strPath : strPath.substr(nSeparator + 1);
}

bool CWaveInfoDlg::OnInitDialog() {
    CTemplateDialog::OnInitDialog();
    if (m_pView != nullptr) {
        const CZelvoDoc& doc = *m_pView->GetDocument();
        SetWindowText(FormatCaption(FileNameOf(doc.GetPathName())));
        FillFromDocument(doc);
    }
    DoDataExchangeLoad();
    return true;
}

void CWaveInfoDlg::FillFromDocument(const CZelvoDoc& doc) {
    const MferAttributes& attr = *doc.GetRootAttributes();
    m_strVersion = FormatVersion(attr.m_abyVersion);
    // Decoded before splitting: a '^' byte can be the second half of a Shift-JIS character.
    const std::string strText =
        MferTextToUtf8(MferFieldText(attr.m_szManufacturer), MferFieldText(attr.m_szCharCode));
    size_t nField = 0;
    size_t nStart = 0;
    while (nField < g_aManufacturerFields.size() && nStart <= strText.size()) {
        const size_t nEnd = std::min(strText.find(g_chFieldSeparator, nStart), strText.size());
        this->*g_aManufacturerFields[nField++].pMember = strText.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
    }
}

void CWaveInfoDlg::DoDataExchangeLoad() {
    for (const InfoField& field : g_aFields) {
        SetDlgItemText(field.nControl, this->*field.pMember);
    }
}

int CWaveInfoDlg::DoDataExchangeSave() {
    for (const InfoField& field : g_aFields) {
        const std::string strText = GetDlgItemText(field.nControl);
        if (QString::fromStdString(strText).size() > field.nMaxChars) {
            return field.nControl;
        }
        this->*field.pMember = strText;
    }
    return 0;
}

void CWaveInfoDlg::OnOK() {
    const int nOverlong = DoDataExchangeSave();
    if (nOverlong == 0) {
        accept();
        return;
    }
    const InfoField& field =
        *std::find_if(g_aFields.begin(), g_aFields.end(),
                      [nOverlong](const InfoField& f) { return f.nControl == nOverlong; });
    QString strMessage = QString::fromStdString(CResources::LoadString(AFX_IDP_PARSE_STRING_SIZE));
    strMessage.replace(QString::fromLatin1(g_szLimitPlaceholder), QString::number(field.nMaxChars));
    QMessageBox::warning(this, QString::fromStdString(CResources::LoadString(AFX_IDS_APP_TITLE)), strMessage);
    GetDlgItem(nOverlong)->setFocus();
}

void CWaveInfoDlg::keyPressEvent(QKeyEvent* pEvent) {
    // Enter is the framework's OK, not the close button: it reads the texts back.
    if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) {
        OnOK();
        return;
    }
    CTemplateDialog::keyPressEvent(pEvent);
}
