#include "app/CToolbarIcons.h"

#include "res/Resource.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <iterator>

namespace {

constexpr int g_nGridWidth = 16;
constexpr int g_nGridHeight = 15;
constexpr int g_anScales[] = {1, 2, 3, 4};

const QColor g_crInk(0x20, 0x20, 0x20);
const QColor g_crPaper(0xFF, 0xFF, 0xFF);
const QColor g_crFolder(0xE8, 0xB8, 0x4A);
const QColor g_crAccent(0x1F, 0x6F, 0xC8);
const QColor g_crTrace(0xC8, 0x2A, 0x2A);
const QColor g_crGrid(0xF0, 0xA0, 0x80);

void Pen(QPainter& p, const QColor& cr, qreal dWidth = 1.0) {
    p.setPen(QPen(cr, dWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Sheet(QPainter& p, const QRectF& rc) {
    Pen(p, g_crInk);
    p.setBrush(g_crPaper);
    p.drawRect(rc);
}

void Lens(QPainter& p, bool bPlus) {
    Pen(p, g_crInk, 1.5);
    p.setBrush(g_crPaper);
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    Pen(p, g_crInk, 2.5);
    p.drawLine(QPointF(10.0, 10.0), QPointF(14.5, 13.5));
    Pen(p, g_crAccent, 1.5);
    p.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
    if (bPlus)
        p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
}

void Trace(QPainter& p, qreal dTop) {
    QPainterPath path(QPointF(1.0, dTop + 6.0));
    for (const QPointF& pt : {QPointF(5.0, dTop + 6.0), QPointF(6.5, dTop + 5.0), QPointF(8.0, dTop + 6.0),
                              QPointF(9.0, dTop + 7.5), QPointF(10.0, dTop), QPointF(11.0, dTop + 9.0),
                              QPointF(12.0, dTop + 6.0), QPointF(15.0, dTop + 6.0)})
        path.lineTo(pt);
    Pen(p, g_crTrace, 1.3);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Arrow(QPainter& p, QPointF ptTip, QPointF ptDirection) {
    const QPointF ptSide(-ptDirection.y(), ptDirection.x());
    p.drawLine(ptTip, ptTip - 2.5 * ptDirection + 2.0 * ptSide);
    p.drawLine(ptTip, ptTip - 2.5 * ptDirection - 2.0 * ptSide);
}

void DrawOpen(QPainter& p) {
    Pen(p, g_crInk);
    p.setBrush(g_crFolder);
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {6.0, 3.5}, {7.5, 5.0}, {13.5, 5.0}, {13.5, 12.5}, {1.5, 12.5}}));
    p.setBrush(g_crFolder.lighter(120));
    p.drawPolygon(QPolygonF({{1.5, 12.5}, {4.0, 7.5}, {15.5, 7.5}, {13.5, 12.5}}));
}

void DrawSave(QPainter& p) {
    Pen(p, g_crInk);
    p.setBrush(g_crAccent);
    p.drawRect(QRectF(1.5, 1.5, 13.0, 12.0));
    p.setBrush(g_crPaper);
    p.drawRect(QRectF(4.5, 1.5, 7.0, 4.5));
    p.drawRect(QRectF(3.5, 8.5, 9.0, 5.0));
}

void DrawCut(QPainter& p) {
    Pen(p, g_crInk, 1.2);
    p.drawLine(QPointF(4.0, 1.0), QPointF(10.5, 9.5));
    p.drawLine(QPointF(12.0, 1.0), QPointF(5.5, 9.5));
    p.setBrush(Qt::NoBrush);
    Pen(p, g_crAccent, 1.5);
    p.drawEllipse(QPointF(4.0, 11.5), 2.5, 2.5);
    p.drawEllipse(QPointF(12.0, 11.5), 2.5, 2.5);
}

void DrawCopy(QPainter& p) {
    Sheet(p, QRectF(1.5, 1.5, 8.0, 9.0));
    Sheet(p, QRectF(6.5, 4.5, 8.0, 9.5));
    Pen(p, g_crAccent);
    for (const qreal y : {7.5, 9.5, 11.5})
        p.drawLine(QPointF(8.5, y), QPointF(12.5, y));
}

void DrawPaste(QPainter& p) {
    Pen(p, g_crInk);
    p.setBrush(g_crFolder);
    p.drawRect(QRectF(1.5, 2.5, 10.0, 11.5));
    p.setBrush(g_crInk);
    p.drawRect(QRectF(4.5, 1.0, 4.0, 2.5));
    Sheet(p, QRectF(7.5, 6.5, 7.0, 8.0));
}

void DrawPrint(QPainter& p) {
    Sheet(p, QRectF(4.5, 1.5, 7.0, 5.0));
    Pen(p, g_crInk);
    p.setBrush(QColor(0xB0, 0xB0, 0xB0));
    p.drawRect(QRectF(1.5, 6.5, 13.0, 5.0));
    Sheet(p, QRectF(4.5, 10.5, 7.0, 4.0));
    Pen(p, g_crTrace, 1.5);
    p.drawPoint(QPointF(12.5, 8.5));
}

void DrawDisplaySwitch(QPainter& p) {
    Pen(p, g_crInk);
    p.setBrush(g_crPaper);
    for (const QRectF& rc : {QRectF(1.5, 1.5, 6.0, 5.5), QRectF(8.5, 1.5, 6.0, 5.5),
                             QRectF(1.5, 8.0, 6.0, 5.5), QRectF(8.5, 8.0, 6.0, 5.5)})
        p.drawRect(rc);
    Pen(p, g_crTrace);
    for (const QPointF& pt : {QPointF(2.5, 4.5), QPointF(9.5, 4.5), QPointF(2.5, 11.0), QPointF(9.5, 11.0)})
        p.drawLine(pt, pt + QPointF(4.0, 0.0));
}

void DrawEcgView(QPainter& p) {
    Pen(p, g_crGrid, 0.8);
    for (int i = 2; i < g_nGridWidth; i += 4)
        p.drawLine(QPointF(i, 0.5), QPointF(i, 14.5));
    for (int i = 2; i < g_nGridHeight; i += 4)
        p.drawLine(QPointF(0.5, i), QPointF(15.5, i));
    Trace(p, 2.0);
}

void DrawMeasureValue(QPainter& p) {
    Trace(p, 3.0);
    Pen(p, g_crAccent, 1.2);
    p.drawLine(QPointF(10.0, 1.0), QPointF(10.0, 14.0));
    Arrow(p, QPointF(10.0, 1.0), QPointF(0.0, -1.0));
    Arrow(p, QPointF(10.0, 14.0), QPointF(0.0, 1.0));
}

void DrawMeasureInterval(QPainter& p) {
    Trace(p, 1.0);
    Pen(p, g_crAccent, 1.2);
    p.drawLine(QPointF(1.0, 12.5), QPointF(15.0, 12.5));
    Arrow(p, QPointF(1.0, 12.5), QPointF(-1.0, 0.0));
    Arrow(p, QPointF(15.0, 12.5), QPointF(1.0, 0.0));
}

void DrawScroll(QPainter& p) {
    Pen(p, g_crInk, 1.3);
    const QPointF ptCentre(8.0, 7.5);
    for (const QPointF& ptDirection : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
        const QPointF ptTip = ptCentre + 6.5 * ptDirection;
        p.drawLine(ptCentre, ptTip);
        Arrow(p, ptTip, ptDirection);
    }
}

void DrawHighCutFilter(QPainter& p) {
    Pen(p, g_crInk);
    p.drawLine(QPointF(1.0, 13.5), QPointF(15.0, 13.5));
    QPainterPath path(QPointF(1.0, 4.0));
    path.lineTo(7.0, 4.0);
    path.cubicTo(QPointF(10.0, 4.0), QPointF(11.0, 8.0), QPointF(14.5, 13.0));
    Pen(p, g_crAccent, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void DrawStandardScale(QPainter& p) {
    Pen(p, g_crInk);
    p.setBrush(g_crPaper);
    p.drawRect(QRectF(1.5, 3.5, 13.0, 8.0));
    for (int x = 3; x < 14; x += 2)
        p.drawLine(QPointF(x + 0.5, 11.5), QPointF(x + 0.5, x % 4 == 3 ? 7.5 : 9.5));
}

void DrawZoomIn(QPainter& p) {
    Lens(p, true);
}

void DrawZoomOut(QPainter& p) {
    Lens(p, false);
}

void DrawAbout(QPainter& p) {
    Pen(p, g_crAccent);
    p.setBrush(g_crAccent);
    p.drawEllipse(QPointF(8.0, 7.5), 6.5, 6.5);
    Pen(p, g_crPaper, 2.0);
    p.drawLine(QPointF(8.0, 6.5), QPointF(8.0, 11.0));
    p.drawPoint(QPointF(8.0, 4.0));
}

struct IconEntry {
    int nId;
    void (*pfnDraw)(QPainter&);
};

constexpr IconEntry g_aIcons[] = {
    {ID_FILE_OPEN, DrawOpen},
    {ID_FILE_SAVE, DrawSave},
    {ID_EDIT_CUT, DrawCut},
    {ID_EDIT_COPY, DrawCopy},
    {ID_EDIT_PASTE, DrawPaste},
    {ID_FILE_PRINT, DrawPrint},
    {ID_DISPLAY_SWITCH, DrawDisplaySwitch},
    {ID_ECG_VIEW_BUTTON, DrawEcgView},
    {ID_MEASURE_VALUE, DrawMeasureValue},
    {ID_MEASURE_INTERVAL, DrawMeasureInterval},
    {ID_MOUSE_SCROLL, DrawScroll},
    {ID_HIGH_CUT_FILTER, DrawHighCutFilter},
    {ID_STANDARD_SCALE, DrawStandardScale},
    {ID_ZOOM_IN, DrawZoomIn},
    {ID_ZOOM_OUT, DrawZoomOut},
    {ID_APP_ABOUT, DrawAbout},
};

} // namespace

QIcon CToolbarIcons::Get(int nId) {
    QIcon icon;
    for (const int nScale : g_anScales) {
        QPixmap pixmap(g_nGridWidth * nScale, g_nGridHeight * nScale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(nScale, nScale);
        if (!Draw(painter, nId))
            return QIcon();
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

bool CToolbarIcons::Draw(QPainter& painter, int nId) {
    const auto it = std::find_if(std::begin(g_aIcons), std::end(g_aIcons),
                                 [nId](const IconEntry& entry) { return entry.nId == nId; });
    if (it == std::end(g_aIcons))
        return false;
    it->pfnDraw(painter);
    return true;
}
