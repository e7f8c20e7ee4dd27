#pragma once

#include "res/ResourceTypes.h"

#include <map>
#include <string>

// One complete set of user-interface resources in one language: the string table, menus,
// accelerator tables, toolbars and dialog templates, each under its resource id.
class CResourceSet {
public:
    unsigned m_nLanguage = 0; // Windows language identifier: 1041, 2052, 1033
    std::map<unsigned, std::string> m_strings;
    std::map<int, MenuResource> m_menus;
    std::map<int, AcceleratorTable> m_accelerators;
    std::map<int, ToolBarResource> m_toolBars;
    std::map<int, DialogTemplate> m_dialogs;

    // Each lookup gives null for an id the set does not have.
    const std::string* FindString(unsigned nId) const;
    const MenuResource* FindMenu(int nId) const;
    const AcceleratorTable* FindAccelerators(int nId) const;
    const ToolBarResource* FindToolBar(int nId) const;
    const DialogTemplate* FindDialog(int nId) const;

    bool operator==(const CResourceSet&) const = default;
};
