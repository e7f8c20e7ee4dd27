#include "platform/CPrinterDC.h"

#include "platform/QtColor.h"

#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QRectF>

namespace {

// Aliased painting takes whole coordinates as pixel centres, smooth painting as pixel corners.
// Between two centres a flat-capped line covers its start pixel and stops short of its end pixel,
// as on the screen.
constexpr double g_dSmoothPixelCentre = 0.5;

} // namespace

CPrinterDC::CPrinterDC(QPainter& painter) : m_painter(painter), m_text(*painter.device()) {}

// Inverting needs raster operations, which printers and PDF do not offer; there the figure is
// drawn in its own colour.
void CPrinterDC::ApplyRasterOp() {
    const QPaintEngine* pEngine = m_painter.paintEngine();
    const bool bInvert =
        GetROP2() == R2_NOT && pEngine != nullptr && pEngine->hasFeature(QPaintEngine::RasterOpModes);
    m_painter.setCompositionMode(bInvert ? QPainter::RasterOp_NotDestination
                                         : QPainter::CompositionMode_SourceOver);
}

void CPrinterDC::DrawDeviceLine(CPoint ptFrom, CPoint ptTo) {
    const CPen& pen = GetCurrentPen();
    ApplyRasterOp();
    m_painter.setRenderHint(QPainter::Antialiasing, m_bSmooth);
    m_painter.setPen(
        QPen(ToQColor(pen.GetColor()), pen.GetWidth(), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const double dCentre = m_bSmooth ? g_dSmoothPixelCentre : 0.0;
    m_painter.drawLine(QLineF(ptFrom.x + dCentre, ptFrom.y + dCentre, ptTo.x + dCentre, ptTo.y + dCentre));
}

void CPrinterDC::FillDeviceRect(const CRect& rect, COLORREF cr) {
    ApplyRasterOp();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    const double dWidth = static_cast<double>(rect.right) - rect.left;
    const double dHeight = static_cast<double>(rect.bottom) - rect.top;
    m_painter.fillRect(QRectF(rect.left, rect.top, dWidth, dHeight), ToQColor(cr));
}

void CPrinterDC::DrawDeviceText(CPoint ptTopLeft, const std::string& strText) {
    m_text.Draw(m_painter, *this, ptTopLeft, strText);
}

CSize CPrinterDC::MeasureText(const std::string& strText) const {
    return m_text.Measure(GetCurrentFont().GetLogFont(), strText);
}

int CPrinterDC::GetLogPixelsX() const {
    return m_painter.device()->logicalDpiX();
}

CSize CPrinterDC::GetDeviceSize() const {
    const QPaintDevice* pDevice = m_painter.device();
    return {pDevice->width(), pDevice->height()};
}
