#include "res/CResourceTableExport.h"

namespace {

template <typename T> int Count(const std::vector<T>& items) {
    return static_cast<int>(items.size());
}

} // namespace

CResourceTableExport::CResourceTableExport(CResourceSet set) : m_set(std::move(set)) {
    ExportStrings();
    ExportMenus();
    ExportAccelerators();
    ExportToolBars();
    ExportDialogs();
    m_table = QrResourceTable{QUARNEL_RESOURCE_ABI_VERSION,
                              m_set.m_nLanguage,
                              m_strings.data(),
                              Count(m_strings),
                              m_menus.data(),
                              Count(m_menus),
                              m_acceleratorTables.data(),
                              Count(m_acceleratorTables),
                              m_toolBars.data(),
                              Count(m_toolBars),
                              m_dialogs.data(),
                              Count(m_dialogs)};
}

void CResourceTableExport::ExportStrings() {
    for (const auto& [nId, strText] : m_set.m_strings) {
        m_strings.push_back(QrString{nId, strText.c_str()});
    }
}

void CResourceTableExport::FlattenMenu(const std::vector<MenuItem>& items,
                                       std::vector<QrMenuEntry>& entries) {
    for (const MenuItem& item : items) {
        switch (item.eKind) {
        case EMenuItemKind::Command:
            entries.push_back(QrMenuEntry{QR_MENU_COMMAND, item.nId, item.strText.c_str()});
            break;
        case EMenuItemKind::Separator:
            entries.push_back(QrMenuEntry{QR_MENU_SEPARATOR, 0, ""});
            break;
        case EMenuItemKind::Popup:
            entries.push_back(QrMenuEntry{QR_MENU_POPUP, item.nId, item.strText.c_str()});
            FlattenMenu(item.items, entries);
            entries.push_back(QrMenuEntry{QR_MENU_END, 0, ""});
            break;
        }
    }
}

void CResourceTableExport::ExportMenus() {
    for (const auto& [nId, menu] : m_set.m_menus) {
        FlattenMenu(menu.items, m_menuEntries.emplace_back());
    }
    auto entries = m_menuEntries.begin();
    for (const auto& [nId, menu] : m_set.m_menus) {
        m_menus.push_back(QrMenu{nId, entries->data(), Count(*entries)});
        ++entries;
    }
}

void CResourceTableExport::ExportAccelerators() {
    for (const auto& [nId, table] : m_set.m_accelerators) {
        auto& entries = m_accelerators.emplace_back();
        for (const Accelerator& accel : table.entries) {
            entries.push_back(QrAccelerator{accel.strKeys.c_str(), accel.nCmd});
        }
    }
    auto entries = m_accelerators.begin();
    for (const auto& [nId, table] : m_set.m_accelerators) {
        m_acceleratorTables.push_back(QrAcceleratorTable{nId, entries->data(), Count(*entries)});
        ++entries;
    }
}

void CResourceTableExport::ExportToolBars() {
    for (const auto& [nId, toolBar] : m_set.m_toolBars) {
        m_toolBars.push_back(QrToolBar{nId, toolBar.cxButton, toolBar.cyButton, toolBar.anButtons.data(),
                                       Count(toolBar.anButtons)});
    }
}

void CResourceTableExport::ExportDialogs() {
    // The joined item texts must not move once pointed to: size the store first.
    size_t nLists = 0;
    for (const auto& [nId, dialog] : m_set.m_dialogs) {
        nLists += dialog.controls.size();
    }
    m_listItems.reserve(nLists);
    for (const auto& [nId, dialog] : m_set.m_dialogs) {
        auto& controls = m_controls.emplace_back();
        for (const DialogControl& control : dialog.controls) {
            std::string& strItems = m_listItems.emplace_back();
            for (const std::string& strItem : control.astrItems) {
                strItems += strItem + '\n';
            }
            controls.push_back(QrControl{control.nId, static_cast<int>(control.eClass), control.nStyle,
                                         control.strText.c_str(), control.x, control.y, control.cx,
                                         control.cy, strItems.c_str(), control.nImageId});
        }
    }
    auto controls = m_controls.begin();
    for (const auto& [nId, dialog] : m_set.m_dialogs) {
        m_dialogs.push_back(QrDialog{nId, dialog.strCaption.c_str(), dialog.nStyle, dialog.cx, dialog.cy,
                                     dialog.strFontFace.c_str(), dialog.nFontPoints, dialog.nMenu,
                                     controls->data(), Count(*controls)});
        ++controls;
    }
}
