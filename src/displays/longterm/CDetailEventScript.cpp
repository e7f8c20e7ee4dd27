#include "displays/longterm/CDetailEventScript.h"

#include "displays/longterm/CDetailWaveWnd.h"
#include "platform/MouseKeys.h"

#include <cstdio>
#include <sstream>

namespace {

bool IsPointEvent(const std::string& strName) {
    return strName == "down" || strName == "move" || strName == "up" || strName == "right";
}

// Mouse events give a point, menu commands and keys one number, the scroll bar a code and a
// position that thumb tracking needs.
bool HasFields(const std::string& strName, int nFields) {
    if (IsPointEvent(strName))
        return nFields == 3;
    if (strName == "scroll")
        return nFields == 2 || nFields == 3;
    // An unknown name is reported as such when it is sent.
    return nFields == 2 || (strName != "menu" && strName != "key");
}

} // namespace

bool CDetailEventScript::Run(const std::string& strScript, std::string& strError) {
    std::istringstream events(strScript);
    std::string event;
    while (events >> event) {
        char szName[16] = {};
        int a = 0;
        int b = 0;
        char trailing = 0;
        const int nFields = std::sscanf(event.c_str(), "%15[a-z]:%d,%d%c", szName, &a, &b, &trailing);
        if (nFields != 2 && nFields != 3) {
            strError = "detail event \"" + event + "\" is not NAME:X,Y or NAME:N";
            return false;
        }
        if (!HasFields(szName, nFields)) {
            strError = "detail event \"" + event + "\" needs " +
                       (IsPointEvent(szName) ? "NAME:X,Y" : std::string(szName) + ":N");
            return false;
        }
        if (!Send(szName, a, b, strError))
            return false;
    }
    return true;
}

bool CDetailEventScript::Send(const std::string& strName, int a, int b, std::string& strError) {
    const CPoint pt(a, b);
    if (strName == "down") {
        m_nButtons |= MK_LBUTTON;
        m_wnd.OnLButtonDown(m_nButtons, pt);
    } else if (strName == "move") {
        m_wnd.OnMouseMove(m_nButtons, pt);
    } else if (strName == "up") {
        m_nButtons &= ~MK_LBUTTON;
        m_wnd.OnLButtonUp(m_nButtons, pt);
    } else if (strName == "right") {
        m_wnd.OnRButtonDown(m_nButtons | MK_RBUTTON, pt);
    } else if (strName == "menu") {
        if (!m_wnd.OnCommand(a)) {
            strError = "the detail window has no command " + std::to_string(a);
            return false;
        }
    } else if (strName == "scroll") {
        m_wnd.OnHScroll(a, b);
    } else if (strName == "key") {
        m_wnd.OnKeyDown(static_cast<unsigned>(a));
    } else {
        strError = "detail event \"" + strName + "\" is not down, move, up, right, menu, scroll or key";
        return false;
    }
    return true;
}
