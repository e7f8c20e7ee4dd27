#pragma once

#include "platform/CDC.h"
#include "platform/CTextDrawer.h"
#include "platform/CTextSprites.h"

#include <QImage>

#include <string>
#include <utility>

constexpr int g_nScreenLogPixels = 96;

// The screen surface: draws pixel-exactly into a 32-bit image that the caller owns. Lines and
// rectangles are rasterised here (see CLineRaster); text is drawn by Qt into the same image.
class CRasterDC : public CDC {
public:
    // The image is converted to ARGB32 first when it has another format.
    explicit CRasterDC(QImage& image, int nLogPixelsX = g_nScreenLogPixels);

    // An opaque image of the given size filled with one colour.
    static QImage CreateImage(CSize size, COLORREF crFill);

    const QImage& GetImage() const { return m_image; }
    bool SavePng(const std::string& strPath) const;

    bool IsPrinting() const override { return false; }

protected:
    void DrawDeviceLine(CPoint ptFrom, CPoint ptTo) override;
    void FillDeviceRect(const CRect& rect, COLORREF cr) override;
    void DrawDeviceText(CPoint ptTopLeft, const std::string& strText) override;
    CSize MeasureText(const std::string& strText) const override;
    int GetLogPixelsX() const override { return m_nLogPixelsX; }
    CSize GetDeviceSize() const override { return {m_image.width(), m_image.height()}; }
    void DrawDeviceShadedRun(CPoint ptFirst, CSize step, std::span<const COLORREF> acrPixels) override;

private:
    const CRect& GetBounds() const { return m_rcBounds; }
    // Paints a rectangle already inside the image, copying the colour or inverting.
    void PaintInside(const CRect& rect, COLORREF cr);
    std::pair<long long, long long> PixelsInside(CPoint ptFirst, CSize step, long long nCount) const;
    // Copies a finished text cell, clipped to the image.
    void CopyCell(const QImage& cell, CPoint ptTopLeft);

    QImage& m_image;
    uchar* m_pBits = nullptr;
    CRect m_rcBounds;
    qsizetype m_nStride = 0;
    int m_nLogPixelsX;
    mutable CTextDrawer m_text;
    CTextSprites m_sprites;
};
