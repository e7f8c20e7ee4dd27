#pragma once

#include <optional>
#include <string>

// The state an update handler gives a menu item or toolbar button before it is shown.
struct CCmdUI {
    explicit CCmdUI(int nId, bool bChecked = false) : m_nID(nId), m_bChecked(bChecked) {}

    void Enable(bool bEnable = true) { m_bEnabled = bEnable; }
    void SetCheck(bool bCheck = true) { m_bChecked = bCheck; }
    void SetText(const std::string& strText) { m_strText = strText; }

    int m_nID;
    bool m_bEnabled = true;
    bool m_bChecked;
    std::optional<std::string> m_strText; // set when the handler changes the item's text
};
