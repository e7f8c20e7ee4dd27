#pragma once

#include <string>

// Message-box style and result codes, the values the resources and callers use.
enum : unsigned {
    MB_OK = 0x0000,
    MB_OKCANCEL = 0x0001,
    MB_YESNO = 0x0004,
    MB_ICONSTOP = 0x0010,
    MB_ICONQUESTION = 0x0020,
    MB_ICONEXCLAMATION = 0x0030,
    MB_ICONINFORMATION = 0x0040,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// What the document and the displays may ask of the person in front of the program:
// a modal message and the wait cursor around long work. The desktop shows real
// dialogs; the command-line tool prints to standard error.
class IUserPrompt {
public:
    virtual ~IUserPrompt() = default;
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned style) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};
