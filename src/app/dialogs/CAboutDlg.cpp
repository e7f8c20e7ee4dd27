#include "app/dialogs/CAboutDlg.h"

#include "res/Resource.h"

CAboutDlg::CAboutDlg(QWidget* pParent) : CTemplateDialog(IDD_ABOUTBOX, pParent) {}

void CAboutDlg::Run(QWidget* pParent) {
    CAboutDlg dialog(pParent);
    dialog.DoModal();
}
