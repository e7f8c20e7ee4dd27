#include "app/COleItemList.h"

#include "platform/CPoint.h"

#include <algorithm>

CZelvoCntrItem* COleItemList::AddItem(std::unique_ptr<CZelvoCntrItem> pItem) {
    m_apItems.push_back(std::move(pItem));
    return m_apItems.back().get();
}

void COleItemList::RemoveAll() {
    m_apItems.clear();
    m_pSelection = nullptr;
}

CZelvoCntrItem* COleItemList::GetSelection() {
    if (m_pSelection == nullptr)
        m_pSelection = GetFirstItem();
    return m_pSelection;
}

CZelvoCntrItem* COleItemList::GetInPlaceActiveItem() const {
    const auto it = std::find_if(m_apItems.begin(), m_apItems.end(),
                                 [](const auto& pItem) { return pItem->IsInPlaceActive(); });
    return it == m_apItems.end() ? nullptr : it->get();
}

void COleItemList::Activate(CZelvoCntrItem* pItem) {
    CZelvoCntrItem* pActive = GetInPlaceActiveItem();
    if (pActive != nullptr && pActive != pItem)
        pActive->Close();
    pItem->Activate();
}

bool COleItemList::CloseActiveItem() {
    CZelvoCntrItem* pActive = GetInPlaceActiveItem();
    if (pActive == nullptr)
        return false;
    pActive->Close();
    return true;
}

CZelvoCntrItem* COleItemList::HitTest(CPoint ptSheet) const {
    for (const auto& pItem : m_apItems)
        if (pItem->OnGetItemPosition().PtInRect(ptSheet))
            return pItem.get();
    return nullptr;
}

void COleItemList::Draw(QPainter& painter, CPoint ptScroll) {
    CZelvoCntrItem* pItem = GetSelection();
    if (pItem == nullptr)
        return;
    CRect rc = pItem->OnGetItemPosition();
    rc.OffsetRect(-ptScroll.x, -ptScroll.y);
    pItem->Draw(painter, rc);
}
