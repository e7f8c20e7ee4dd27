#pragma once

#include "app/CZelvoCntrItem.h"

#include <memory>
#include <vector>

class QPainter;
struct CPoint;

// The document's embedded objects and which of them the view has selected and open in place. One
// view shows them, so at most one item is in-place active at a time.
class COleItemList {
public:
    CZelvoCntrItem* AddItem(std::unique_ptr<CZelvoCntrItem> pItem);
    void RemoveAll();

    CZelvoCntrItem* GetFirstItem() const { return m_apItems.empty() ? nullptr : m_apItems.front().get(); }
    // The selection, or the first item when nothing was selected yet.
    CZelvoCntrItem* GetSelection();
    void SetSelection(CZelvoCntrItem* pItem) { m_pSelection = pItem; }
    CZelvoCntrItem* GetInPlaceActiveItem() const;

    // Opens the item in place, closing any other open one first.
    void Activate(CZelvoCntrItem* pItem);
    // The item open in place is closed; false when none was.
    bool CloseActiveItem();
    // The item under a sheet point, or null.
    CZelvoCntrItem* HitTest(CPoint ptSheet) const;

    // Draws the selected item at its place on the sheet, shifted by the scroll position.
    void Draw(QPainter& painter, CPoint ptScroll);

private:
    std::vector<std::unique_ptr<CZelvoCntrItem>> m_apItems;
    CZelvoCntrItem* m_pSelection = nullptr;
};
