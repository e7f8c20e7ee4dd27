#include "app/CCursorSet.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int g_nCursorSize = 32;
constexpr qreal g_dLensCentre = 12.0;
constexpr qreal g_dLensRadius = 9.0;
constexpr qreal g_dHandleEnd = 29.0;
constexpr qreal g_dLensPen = 2.5;
constexpr qreal g_dHandlePen = 5.0;
constexpr qreal g_dOutline = 2.0;

void DrawMagnifier(QPainter& painter, const QColor& cr, qreal dWiden) {
    const qreal dHandleStart = g_dLensCentre + g_dLensRadius * 0.7;
    painter.setPen(QPen(cr, g_dHandlePen + dWiden, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(dHandleStart, dHandleStart), QPointF(g_dHandleEnd, g_dHandleEnd));
    painter.setPen(QPen(cr, g_dLensPen + dWiden));
    painter.drawEllipse(QPointF(g_dLensCentre, g_dLensCentre), g_dLensRadius, g_dLensRadius);
}

} // namespace

QCursor CCursorSet::Get(ECursor eCursor) {
    switch (eCursor) {
    case ECursor::None:
        return QCursor(Qt::BlankCursor);
    case ECursor::Hand:
        return QCursor(Qt::OpenHandCursor);
    case ECursor::Grab:
        return QCursor(Qt::ClosedHandCursor);
    case ECursor::No:
        return QCursor(Qt::ForbiddenCursor);
    case ECursor::Magnifier:
        return Magnifier();
    case ECursor::Wait:
        return QCursor(Qt::WaitCursor);
    case ECursor::Cross:
        return QCursor(Qt::CrossCursor);
    case ECursor::Arrow:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}

// A lens with a handle, white-edged so it reads on the dark and the light grids; the hot spot is
// the lens's top-left corner.
QCursor CCursorSet::Magnifier() {
    QPixmap pixmap(g_nCursorSize, g_nCursorSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawMagnifier(painter, Qt::white, g_dOutline);
    DrawMagnifier(painter, Qt::black, 0.0);
    painter.end();
    return QCursor(pixmap, 0, 0);
}
