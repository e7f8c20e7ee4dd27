#include "app/CZelvoCntrItem.h"

#include <QPainter>

namespace {

// The hatched border of an object open in place.
constexpr int g_nActiveBorder = 4;

} // namespace

std::unique_ptr<CZelvoCntrItem> CZelvoCntrItem::CreateFromFile(const QString& strPath) {
    QImage picture(strPath);
    if (picture.isNull())
        return nullptr;
    return std::unique_ptr<CZelvoCntrItem>(new CZelvoCntrItem(std::move(picture)));
}

void CZelvoCntrItem::Draw(QPainter& painter, const CRect& rcBounds) const {
    const QRect rect(rcBounds.left, rcBounds.top, rcBounds.Width(), rcBounds.Height());
    painter.drawImage(rect, m_picture);
    if (!m_bInPlaceActive)
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Qt::darkGray, Qt::BDiagPattern));
    const QRect rcOuter = rect.adjusted(-g_nActiveBorder, -g_nActiveBorder, g_nActiveBorder, g_nActiveBorder);
    painter.drawRect(QRect(rcOuter.left(), rcOuter.top(), rcOuter.width(), g_nActiveBorder));
    painter.drawRect(QRect(rcOuter.left(), rect.bottom() + 1, rcOuter.width(), g_nActiveBorder));
    painter.drawRect(QRect(rcOuter.left(), rect.top(), g_nActiveBorder, rect.height()));
    painter.drawRect(QRect(rect.right() + 1, rect.top(), g_nActiveBorder, rect.height()));
}
