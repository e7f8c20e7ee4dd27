#include "ResourceTestHelpers.h"

namespace {

void ForEachMenuText(std::vector<MenuItem>& items, const std::function<void(std::string&)>& visit) {
    for (MenuItem& item : items) {
        visit(item.strText);
        ForEachMenuText(item.items, visit);
    }
}

} // namespace

void ForEachText(CResourceSet& set, const std::function<void(std::string&)>& visit) {
    for (auto& [nId, strText] : set.m_strings) {
        visit(strText);
    }
    for (auto& [nId, menu] : set.m_menus) {
        ForEachMenuText(menu.items, visit);
    }
    for (auto& [nId, dialog] : set.m_dialogs) {
        visit(dialog.strCaption);
        for (DialogControl& control : dialog.controls) {
            visit(control.strText);
            for (std::string& strItem : control.astrItems) {
                visit(strItem);
            }
        }
    }
}

CResourceSet ShapeOf(CResourceSet set) {
    set.m_nLanguage = 0;
    ForEachText(set, [](std::string& strText) { strText.clear(); });
    return set;
}

const MenuItem* FindPopup(const std::vector<MenuItem>& items, const std::string& strText) {
    for (const MenuItem& item : items) {
        if (item.eKind == EMenuItemKind::Popup && item.strText == strText) {
            return &item;
        }
    }
    return nullptr;
}

std::vector<int> CommandIds(const std::vector<MenuItem>& items) {
    std::vector<int> anIds;
    for (const MenuItem& item : items) {
        anIds.push_back(item.eKind == EMenuItemKind::Popup ? -1 : item.nId);
    }
    return anIds;
}
