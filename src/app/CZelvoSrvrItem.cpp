#include "app/CZelvoSrvrItem.h"

#include "app/COleItemList.h"
#include "platform/CRect.h"

#include <QPainter>

namespace {

constexpr CRect g_rcEmbeddedItem{10, 10, 1010, 1010};

} // namespace

bool CZelvoSrvrItem::OnGetExtent(int nDrawAspect, CSize& rSize) const {
    if (nDrawAspect != DVASPECT_CONTENT)
        return false;
    rSize = m_sizeContent;
    return true;
}

bool CZelvoSrvrItem::OnDraw(QPainter& painter, CSize&) const {
    painter.setWindow(painter.viewport());
    if (const CZelvoCntrItem* pItem = m_items.GetFirstItem())
        pItem->Draw(painter, g_rcEmbeddedItem);
    return true;
}
