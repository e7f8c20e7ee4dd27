#pragma once

#include "res/CResourceSet.h"
#include "res/QuarnelResourceAbi.h"

#include <vector>

// A resource set laid out as the flat tables of the library interface. The tables point into
// the set this object keeps, so they live exactly as long as the object.
class CResourceTableExport {
public:
    explicit CResourceTableExport(CResourceSet set);
    CResourceTableExport(const CResourceTableExport&) = delete;
    CResourceTableExport& operator=(const CResourceTableExport&) = delete;

    const QrResourceTable* GetTable() const { return &m_table; }

private:
    void ExportStrings();
    void ExportMenus();
    void ExportAccelerators();
    void ExportToolBars();
    void ExportDialogs();
    void FlattenMenu(const std::vector<MenuItem>& items, std::vector<QrMenuEntry>& entries);

    CResourceSet m_set;
    std::vector<QrString> m_strings;
    std::vector<std::vector<QrMenuEntry>> m_menuEntries;
    std::vector<QrMenu> m_menus;
    std::vector<std::vector<QrAccelerator>> m_accelerators;
    std::vector<QrAcceleratorTable> m_acceleratorTables;
    std::vector<QrToolBar> m_toolBars;
    std::vector<std::string> m_listItems;
    std::vector<std::vector<QrControl>> m_controls;
    std::vector<QrDialog> m_dialogs;
    QrResourceTable m_table{};
};
