#pragma once

#include "app/dialogs/CTemplateDialog.h"

// The about box (dialog 100): the program's name, version and a line about what it is.
class CAboutDlg : public CTemplateDialog {
public:
    explicit CAboutDlg(QWidget* pParent);

    // Shows the about box modally.
    static void Run(QWidget* pParent);
};
