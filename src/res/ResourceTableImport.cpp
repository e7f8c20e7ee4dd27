#include "res/ResourceTableImport.h"

#include <span>
#include <stdexcept>

namespace {

// A library's tables are outside our control: every count is checked before it is used.
template <typename T> std::span<const T> Entries(const T* pEntries, int nEntries) {
    if (nEntries < 0 || (nEntries > 0 && pEntries == nullptr)) {
        throw std::runtime_error("bad table");
    }
    return {pEntries, static_cast<size_t>(nEntries)};
}

std::string Text(const char* pszText) {
    return pszText == nullptr ? std::string() : std::string(pszText);
}

// Reads entries up to the end of the current popup (or of the list at the top level).
std::vector<MenuItem> ReadMenuItems(std::span<const QrMenuEntry> entries, size_t& nPos, bool bInPopup) {
    std::vector<MenuItem> items;
    while (nPos < entries.size()) {
        const QrMenuEntry& entry = entries[nPos++];
        switch (entry.nKind) {
        case QR_MENU_COMMAND:
            items.push_back(MenuItem{EMenuItemKind::Command, entry.nId, Text(entry.pszText), {}});
            break;
        case QR_MENU_SEPARATOR:
            items.push_back(MenuItem{EMenuItemKind::Separator, 0, {}, {}});
            break;
        case QR_MENU_POPUP:
            items.push_back(MenuItem{EMenuItemKind::Popup, entry.nId, Text(entry.pszText),
                                     ReadMenuItems(entries, nPos, true)});
            break;
        case QR_MENU_END:
            if (!bInPopup) {
                throw std::runtime_error("unbalanced menu");
            }
            return items;
        default:
            throw std::runtime_error("bad menu entry");
        }
    }
    if (bInPopup) {
        throw std::runtime_error("unbalanced menu");
    }
    return items;
}

std::vector<std::string> SplitItems(const char* pszItems) {
    std::vector<std::string> items;
    const std::string strItems = Text(pszItems);
    size_t nStart = 0;
    for (size_t nEnd = strItems.find('\n'); nEnd != std::string::npos; nEnd = strItems.find('\n', nStart)) {
        items.push_back(strItems.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    return items;
}

EControlClass ControlClass(int nClass) {
    if (nClass < static_cast<int>(EControlClass::PushButton) ||
        nClass > static_cast<int>(EControlClass::Icon)) {
        throw std::runtime_error("bad control class");
    }
    return static_cast<EControlClass>(nClass);
}

DialogTemplate ReadDialog(const QrDialog& source) {
    DialogTemplate dialog{source.nId, Text(source.pszCaption),  source.nStyle,      source.cx,
                          source.cy,  Text(source.pszFontFace), source.nFontPoints, source.nMenu,
                          {}};
    for (const QrControl& control : Entries(source.pControls, source.nControls)) {
        dialog.controls.push_back(DialogControl{control.nId, ControlClass(control.nClass), control.nStyle,
                                                Text(control.pszText), control.x, control.y, control.cx,
                                                control.cy, SplitItems(control.pszItems), control.nImageId});
    }
    return dialog;
}

CResourceSet ReadTable(const QrResourceTable& table) {
    CResourceSet set;
    set.m_nLanguage = table.nLanguage;
    for (const QrString& entry : Entries(table.pStrings, table.nStrings)) {
        set.m_strings[entry.nId] = Text(entry.pszText);
    }
    for (const QrMenu& menu : Entries(table.pMenus, table.nMenus)) {
        size_t nPos = 0;
        set.m_menus[menu.nId] =
            MenuResource{menu.nId, ReadMenuItems(Entries(menu.pEntries, menu.nEntries), nPos, false)};
    }
    for (const QrAcceleratorTable& accelerators :
         Entries(table.pAcceleratorTables, table.nAcceleratorTables)) {
        AcceleratorTable& target = set.m_accelerators[accelerators.nId];
        target.nId = accelerators.nId;
        for (const QrAccelerator& entry : Entries(accelerators.pEntries, accelerators.nEntries)) {
            target.entries.push_back(Accelerator{Text(entry.pszKeys), entry.nCmd});
        }
    }
    for (const QrToolBar& toolBar : Entries(table.pToolBars, table.nToolBars)) {
        const auto buttons = Entries(toolBar.pnButtons, toolBar.nButtons);
        set.m_toolBars[toolBar.nId] = ToolBarResource{toolBar.nId, toolBar.cxButton, toolBar.cyButton,
                                                      std::vector<int>(buttons.begin(), buttons.end())};
    }
    for (const QrDialog& dialog : Entries(table.pDialogs, table.nDialogs)) {
        set.m_dialogs[dialog.nId] = ReadDialog(dialog);
    }
    return set;
}

} // namespace

std::optional<CResourceSet> ImportResourceTable(const QrResourceTable& table) {
    if (table.nAbiVersion != QUARNEL_RESOURCE_ABI_VERSION) {
        return std::nullopt;
    }
    try {
        return ReadTable(table);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}
