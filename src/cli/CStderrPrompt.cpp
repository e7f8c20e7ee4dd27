#include "cli/CStderrPrompt.h"

#include <iostream>

int CStderrPrompt::MessageBox(const std::string& text, const std::string& caption, unsigned style) {
    std::cerr << m_strProgram << ": " << caption << ": " << text << '\n';
    return (style & MB_YESNO) == MB_YESNO ? IDYES : IDOK;
}
