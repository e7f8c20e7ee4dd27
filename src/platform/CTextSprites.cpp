#include "platform/CTextSprites.h"

#include "platform/CTextDrawer.h"

#include <QPainter>
#include <QRect>

#include <algorithm>

namespace {

// A paint writes a handful of different labels; a display writing ever new texts stops being
// kept here and is drawn directly.
constexpr size_t g_nMaxSprites = 256;
// A cell is made when a text is asked for the third time: making one costs about two writings.
constexpr int g_nRequestsBeforeCell = 3;

// Ink reaching outside the box changes these; a pixel unchanged over both was not inked.
constexpr QRgb g_nDarkSurround = qRgb(0, 0, 0);
constexpr QRgb g_nLightSurround = qRgb(255, 255, 255);

// The text drawn with a margin of surround colour all round it, one cell height wide.
QImage RenderOver(CTextDrawer& drawer, const CDC& dc, const std::string& strText, const QRect& rcCell,
                  QImage::Format format, QRgb nSurround) {
    QImage canvas(rcCell.width() + 2 * rcCell.left(), rcCell.height() + 2 * rcCell.top(), format);
    canvas.fill(nSurround);
    QPainter painter(&canvas);
    drawer.Draw(painter, dc, CPoint(rcCell.left(), rcCell.top()), strText);
    return canvas;
}

bool AllPixels(const QImage& canvas, int y, int xFirst, int xEnd, QRgb nColor) {
    const auto* pRow = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    return std::all_of(pRow + xFirst, pRow + xEnd, [nColor](QRgb nPixel) { return nPixel == nColor; });
}

bool SurroundUntouched(const QImage& canvas, const QRect& rcCell, QRgb nSurround) {
    for (int y = 0; y < canvas.height(); ++y) {
        const bool bBesideCell = y >= rcCell.top() && y <= rcCell.bottom();
        const bool bUntouched = bBesideCell
                                    ? AllPixels(canvas, y, 0, rcCell.left(), nSurround) &&
                                          AllPixels(canvas, y, rcCell.right() + 1, canvas.width(), nSurround)
                                    : AllPixels(canvas, y, 0, canvas.width(), nSurround);
        if (!bUntouched)
            return false;
    }
    return true;
}

} // namespace

const QImage* CTextSprites::Find(CTextDrawer& drawer, const CDC& dc, const std::string& strText,
                                 QImage::Format format) {
    SSprite* pSprite = Lookup(strText, dc.GetCurrentFont().GetLogFont(), dc.GetTextColor(), dc.GetBkColor());
    if (pSprite == nullptr)
        return nullptr;
    if (pSprite->nRequests < g_nRequestsBeforeCell) {
        ++pSprite->nRequests;
        if (pSprite->nRequests < g_nRequestsBeforeCell)
            return nullptr;
        pSprite->image = Render(drawer, dc, strText, format);
    }
    return pSprite->image ? &*pSprite->image : nullptr;
}

// The text's entry, made on the first request; nullptr once enough different texts are kept.
CTextSprites::SSprite* CTextSprites::Lookup(const std::string& strText, const LOGFONT& lf, COLORREF crText,
                                            COLORREF crBk) {
    const auto it = m_sprites.find(strText);
    if (it != m_sprites.end()) {
        for (SSprite& sprite : it->second) {
            if (sprite.crText == crText && sprite.crBk == crBk && sprite.lf == lf)
                return &sprite;
        }
    }
    if (m_nKept >= g_nMaxSprites)
        return nullptr;
    ++m_nKept;
    std::vector<SSprite>& sprites = m_sprites[strText];
    sprites.push_back({lf, crText, crBk, 0, std::nullopt});
    return &sprites.back();
}

std::optional<QImage> CTextSprites::Render(CTextDrawer& drawer, const CDC& dc, const std::string& strText,
                                           QImage::Format format) {
    const CSize sizeCell = drawer.Measure(dc.GetCurrentFont().GetLogFont(), strText);
    if (sizeCell.cx <= 0 || sizeCell.cy <= 0)
        return std::nullopt;
    const QRect rcCell(sizeCell.cy, sizeCell.cy, sizeCell.cx, sizeCell.cy);
    const QImage dark = RenderOver(drawer, dc, strText, rcCell, format, g_nDarkSurround);
    const QImage light = RenderOver(drawer, dc, strText, rcCell, format, g_nLightSurround);
    QImage cell = dark.copy(rcCell);
    if (!SurroundUntouched(dark, rcCell, g_nDarkSurround) ||
        !SurroundUntouched(light, rcCell, g_nLightSurround) || cell != light.copy(rcCell))
        return std::nullopt;
    return cell;
}
