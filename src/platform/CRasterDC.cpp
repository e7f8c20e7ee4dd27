#include "platform/CRasterDC.h"

#include "platform/CLineRaster.h"
#include "platform/QtColor.h"

#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr QRgb g_nRgbMask = 0x00FFFFFF;

bool IsRgb32(QImage::Format format) {
    return format == QImage::Format_ARGB32 || format == QImage::Format_RGB32;
}

// The pixels of a thin line that moves at most one pixel across its major axis: the first half of
// its steps (rounded up) on the start's row or column, the rest on the next one, as the rasteriser
// rounds halves away from the start. Each part is one rectangle.
class CThinRuns {
public:
    CThinRuns(CPoint ptFrom, CPoint ptTo) {
        const long long nDx = static_cast<long long>(ptTo.x) - ptFrom.x;
        const long long nDy = static_cast<long long>(ptTo.y) - ptFrom.y;
        m_bXMajor = std::llabs(nDx) >= std::llabs(nDy);
        const long long nMajorDelta = m_bXMajor ? nDx : nDy;
        const long long nMinorDelta = m_bXMajor ? nDy : nDx;
        m_nMajor0 = m_bXMajor ? ptFrom.x : ptFrom.y;
        m_nMinor0 = m_bXMajor ? ptFrom.y : ptFrom.x;
        m_nMajorDir = nMajorDelta < 0 ? -1 : 1;
        m_nMinorDelta = nMinorDelta;
        m_nSteps = std::llabs(nMajorDelta);
    }

    bool Applies() const { return m_nSteps > 0 && std::llabs(m_nMinorDelta) <= 1; }

    // fn(const CRect&) receives each part's pixels inside rcBounds.
    template <class Fn> void ForEachRun(const CRect& rcBounds, Fn&& fn) const {
        const long long nFirstPart = m_nMinorDelta == 0 ? m_nSteps : (m_nSteps + 1) / 2;
        Run(0, nFirstPart, m_nMinor0, rcBounds, fn);
        Run(nFirstPart, m_nSteps, m_nMinor0 + m_nMinorDelta, rcBounds, fn);
    }

private:
    template <class Fn>
    void Run(long long nStepFirst, long long nStepEnd, long long nMinor, const CRect& rcBounds,
             Fn&& fn) const {
        if (nStepFirst >= nStepEnd)
            return;
        const long long nA = m_nMajor0 + m_nMajorDir * nStepFirst;
        const long long nB = m_nMajor0 + m_nMajorDir * (nStepEnd - 1);
        const long long nMajorFirst = std::min(nA, nB);
        const long long nMajorEnd = std::max(nA, nB) + 1;
        long long nLeft = m_bXMajor ? nMajorFirst : nMinor;
        long long nRight = m_bXMajor ? nMajorEnd : nMinor + 1;
        long long nTop = m_bXMajor ? nMinor : nMajorFirst;
        long long nBottom = m_bXMajor ? nMinor + 1 : nMajorEnd;
        nLeft = std::max<long long>(nLeft, rcBounds.left);
        nRight = std::min<long long>(nRight, rcBounds.right);
        nTop = std::max<long long>(nTop, rcBounds.top);
        nBottom = std::min<long long>(nBottom, rcBounds.bottom);
        if (nLeft < nRight && nTop < nBottom)
            fn(CRect(static_cast<int>(nLeft), static_cast<int>(nTop), static_cast<int>(nRight),
                     static_cast<int>(nBottom)));
    }

    bool m_bXMajor = true;
    long long m_nMajor0 = 0;
    long long m_nMinor0 = 0;
    int m_nMajorDir = 1;
    long long m_nMinorDelta = 0;
    long long m_nSteps = 0;
};

} // namespace

CRasterDC::CRasterDC(QImage& image, int nLogPixelsX)
    : m_image(image), m_nLogPixelsX(nLogPixelsX), m_text(image) {
    if (!IsRgb32(m_image.format())) {
        m_image.convertTo(QImage::Format_ARGB32);
    }
    // One detach check for the whole paint, not one per fill: traces are thousands of thin fills.
    m_pBits = m_image.bits();
    m_nStride = m_image.bytesPerLine();
    m_rcBounds = CRect(0, 0, m_image.width(), m_image.height());
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
    // Thin rows, columns and one-pixel steps, the bulk of grids and dense traces, need no stepping.
    if (const CThinRuns runs(ptFrom, ptTo); pen.GetWidth() == 1 && runs.Applies()) {
        runs.ForEachRun(GetBounds(), [&](const CRect& rcRun) { PaintInside(rcRun, pen.GetColor()); });
        return;
    }
    const CLineRaster raster(ptFrom, ptTo, pen.GetWidth());
    raster.ForEachSpan(GetBounds(), [&](const CRect& rcSpan) { PaintInside(rcSpan, pen.GetColor()); });
}

void CRasterDC::DrawDeviceShadedRun(CPoint ptFirst, CSize step, std::span<const COLORREF> acrPixels) {
    const auto [nFirst, nEnd] = PixelsInside(ptFirst, step, static_cast<long long>(acrPixels.size()));
    if (nFirst >= nEnd)
        return;
    const bool bInvert = GetROP2() == R2_NOT;
    const qsizetype nStep = step.cx + step.cy * (m_nStride / static_cast<qsizetype>(sizeof(QRgb)));
    QRgb* pPixel = reinterpret_cast<QRgb*>(m_pBits + (ptFirst.y + nFirst * step.cy) * m_nStride) +
                   (ptFirst.x + nFirst * step.cx);
    for (long long i = nFirst; i < nEnd; ++i, pPixel += nStep)
        *pPixel = bInvert ? *pPixel ^ g_nRgbMask : ToQRgb(acrPixels[static_cast<size_t>(i)]);
}

// The indices [first, end) of a run's pixels that lie inside the image; step is one pixel along a
// row or a column.
std::pair<long long, long long> CRasterDC::PixelsInside(CPoint ptFirst, CSize step, long long nCount) const {
    const bool bAlongRow = step.cx != 0;
    const long long nAcross = bAlongRow ? ptFirst.y : ptFirst.x;
    const long long nAcrossLow = bAlongRow ? m_rcBounds.top : m_rcBounds.left;
    const long long nAcrossHigh = bAlongRow ? m_rcBounds.bottom : m_rcBounds.right;
    if (nAcross < nAcrossLow || nAcross >= nAcrossHigh)
        return {0, 0};
    const long long nStart = bAlongRow ? ptFirst.x : ptFirst.y;
    const long long nDir = bAlongRow ? step.cx : step.cy;
    const long long nLow = bAlongRow ? m_rcBounds.left : m_rcBounds.top;
    const long long nHigh = bAlongRow ? m_rcBounds.right : m_rcBounds.bottom;
    // Pixel i lies at nStart + i * nDir, which must stay within [nLow, nHigh).
    const long long nFirst = nDir > 0 ? nLow - nStart : nStart - (nHigh - 1);
    const long long nEnd = nDir > 0 ? nHigh - nStart : nStart - nLow + 1;
    return {std::max(nFirst, 0LL), std::min(nEnd, nCount)};
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
    const int nWidth = rect.right - rect.left;
    for (int y = rect.top; y < rect.bottom; ++y) {
        QRgb* pFirst = reinterpret_cast<QRgb*>(m_pBits + y * m_nStride) + rect.left;
        if (bInvert)
            std::for_each(pFirst, pFirst + nWidth, [](QRgb& nPixel) { nPixel ^= g_nRgbMask; });
        else
            std::fill_n(pFirst, nWidth, nColor);
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
    if (GetBkMode() == OPAQUE) {
        if (const QImage* pCell = m_sprites.Find(m_text, *this, strText, m_image.format())) {
            CopyCell(*pCell, ptTopLeft);
            return;
        }
    }
    QPainter painter(&m_image);
    m_text.Draw(painter, *this, ptTopLeft, strText);
}

void CRasterDC::CopyCell(const QImage& cell, CPoint ptTopLeft) {
    CRect rcInside;
    if (!rcInside.IntersectRect(CRect(ptTopLeft, CSize(cell.width(), cell.height())), GetBounds()))
        return;
    const int nBytes = rcInside.Width() * static_cast<int>(sizeof(QRgb));
    for (int y = rcInside.top; y < rcInside.bottom; ++y) {
        const uchar* pFrom =
            cell.constScanLine(y - ptTopLeft.y) + (rcInside.left - ptTopLeft.x) * sizeof(QRgb);
        std::memcpy(m_pBits + y * m_nStride + rcInside.left * sizeof(QRgb), pFrom, nBytes);
    }
}

CSize CRasterDC::MeasureText(const std::string& strText) const {
    return m_text.Measure(GetCurrentFont().GetLogFont(), strText);
}
