#pragma once

#include <string>

class QWidget;

// A modal message box with the program's style flags (MB_OK, MB_YESNO, MB_ICONSTOP ...) and result
// codes (IDOK, IDYES ...).
class CMessageBox {
public:
    static int Show(QWidget* pParent, const std::string& strText, const std::string& strCaption,
                    unsigned nStyle);
};
