#include "platform/CRasterDC.h"

#include "platform/CLineRaster.h"
#include "platform/QtColor.h"

#include <QPainter>
#include <QString>

#include <algorithm>

namespace {

constexpr QRgb g_nRgbMask = 0x00FFFFFF;

bool IsRgb32(QImage::Format format) {
    return format == QImage::Format_ARGB32 || format == QImage::Format_RGB32;
}

} // namespace

CRasterDC::CRasterDC(QImage& image, int nLogPixelsX)
    : m_image(image), m_nLogPixelsX(nLogPixelsX), m_text(image) {
    if (!IsRgb32(m_image.format())) {
        m_image.convertTo(QImage::Format_ARGB32);
    }
}

QImage CRasterDC::CreateImage(CSize size, COLORREF crFill) {
    QImage image(std::max(size.cx, 0), std::max(size.cy, 0), QImage::Format_ARGB32);
    image.fill(ToQRgb(crFill));
    return image;
}

bool CRasterDC::SavePng(const std::string& strPath) const {
    return m_image.save(QString::fromStdString(strPath), "PNG");
}

void CRasterDC::DrawDeviceLine(CPoint ptFrom, CPoint ptTo) {
    const CPen& pen = GetCurrentPen();
    const CLineRaster raster(ptFrom, ptTo, pen.GetWidth());
    raster.ForEachSpan(GetBounds(), [&](const CRect& rcSpan) { PaintInside(rcSpan, pen.GetColor()); });
}

void CRasterDC::FillDeviceRect(const CRect& rect, COLORREF cr) {
    CRect rcInside;
    if (rcInside.IntersectRect(rect, GetBounds())) {
        PaintInside(rcInside, cr);
    }
}

void CRasterDC::PaintInside(const CRect& rect, COLORREF cr) {
    const bool bInvert = GetROP2() == R2_NOT;
    const QRgb nColor = ToQRgb(cr);
    // One detach check per fill, not one per row: grids and traces are thousands of thin fills.
    uchar* pBits = m_image.bits();
    const qsizetype nStride = m_image.bytesPerLine();
    for (int y = rect.top; y < rect.bottom; ++y) {
        QRgb* pRow = reinterpret_cast<QRgb*>(pBits + y * nStride);
        for (int x = rect.left; x < rect.right; ++x) {
            pRow[x] = bInvert ? pRow[x] ^ g_nRgbMask : nColor;
        }
    }
}

void CRasterDC::DrawDeviceText(CPoint ptTopLeft, const std::string& strText) {
    // Checking the corner first also keeps the cell's far edge from overflowing.
    const CRect rcBounds = GetBounds();
    if (ptTopLeft.x >= rcBounds.right || ptTopLeft.y >= rcBounds.bottom) {
        return;
    }
    CRect rcCell;
    if (!rcCell.IntersectRect(CRect(ptTopLeft, MeasureText(strText)), rcBounds)) {
        return;
    }
    QPainter painter(&m_image);
    m_text.Draw(painter, *this, ptTopLeft, strText);
}

CSize CRasterDC::MeasureText(const std::string& strText) const {
    return m_text.Measure(GetCurrentFont().GetLogFont(), strText);
}
