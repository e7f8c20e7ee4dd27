#pragma once

#include <string>

class CDetailWaveWnd;

// Drives a detail window as a person would, from a line of events: "down:X,Y move:X,Y up:X,Y
// right:X,Y" for the mouse, "menu:ID" for a menu command, "scroll:CODE,POS" for the scroll bar and
// "key:VK" for a key.
class CDetailEventScript {
public:
    explicit CDetailEventScript(CDetailWaveWnd& wnd) : m_wnd(wnd) {}

    // False with strError set on a malformed event.
    bool Run(const std::string& strScript, std::string& strError);

private:
    bool Send(const std::string& strName, int a, int b, std::string& strError);

    CDetailWaveWnd& m_wnd;
    unsigned m_nButtons = 0;
};
