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

// A run [nFrom, nTo) or, going back, (nTo, nFrom], as a first and an end coordinate.
void OrderRun(long long nFrom, long long nTo, long long& nFirst, long long& nEnd) {
    nFirst = nFrom <= nTo ? nFrom : nTo + 1;
    nEnd = nFrom <= nTo ? nTo : nFrom + 1;
}

// The pixels a one-pixel pen covers from ptFrom up to, not including, ptTo on one row or column,
// cut to the bounds; false when none of them lies inside.
bool AxisRun(CPoint ptFrom, CPoint ptTo, const CRect& rcBounds, CRect& rcRun) {
    long long nLeft = ptFrom.x;
    long long nRight = static_cast<long long>(ptFrom.x) + 1;
    long long nTop = ptFrom.y;
    long long nBottom = static_cast<long long>(ptFrom.y) + 1;
    if (ptFrom.y == ptTo.y)
        OrderRun(ptFrom.x, ptTo.x, nLeft, nRight);
    else
        OrderRun(ptFrom.y, ptTo.y, nTop, nBottom);
    nLeft = std::max<long long>(nLeft, rcBounds.left);
    nRight = std::min<long long>(nRight, rcBounds.right);
    nTop = std::max<long long>(nTop, rcBounds.top);
    nBottom = std::min<long long>(nBottom, rcBounds.bottom);
    if (nLeft >= nRight || nTop >= nBottom)
        return false;
    rcRun = CRect(static_cast<int>(nLeft), static_cast<int>(nTop), static_cast<int>(nRight),
                  static_cast<int>(nBottom));
    return true;
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
    // Thin rows and columns, the bulk of grids and smooth traces, need no stepping.
    if (pen.GetWidth() == 1 && ptFrom != ptTo && (ptFrom.x == ptTo.x || ptFrom.y == ptTo.y)) {
        CRect rcRun;
        if (AxisRun(ptFrom, ptTo, GetBounds(), rcRun))
            PaintInside(rcRun, pen.GetColor());
        return;
    }
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
