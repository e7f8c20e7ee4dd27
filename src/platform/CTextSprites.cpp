#include "platform/CTextSprites.h"

#include "platform/CTextDrawer.h"

#include <QPainter>
#include <QRect>

namespace {

// A paint writes a handful of different labels; a display writing ever new texts stops being
// kept here and is drawn directly.
constexpr size_t g_nMaxSprites = 256;

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

bool SurroundUntouched(const QImage& canvas, const QRect& rcCell, QRgb nSurround) {
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (!rcCell.contains(x, y) && canvas.pixel(x, y) != nSurround)
                return false;
        }
    }
    return true;
}

} // namespace

const QImage* CTextSprites::Find(CTextDrawer& drawer, const CDC& dc, const std::string& strText,
                                 QImage::Format format) {
    const LOGFONT& lf = dc.GetCurrentFont().GetLogFont();
    const COLORREF crText = dc.GetTextColor();
    const COLORREF crBk = dc.GetBkColor();
    const auto it = m_sprites.find(strText);
    if (it != m_sprites.end()) {
        for (const SSprite& sprite : it->second) {
            if (sprite.crText == crText && sprite.crBk == crBk && sprite.lf == lf)
                return sprite.image ? &*sprite.image : nullptr;
        }
    }
    if (m_nKept >= g_nMaxSprites)
        return nullptr;
    std::vector<SSprite>& sprites = m_sprites[strText];
    sprites.push_back({lf, crText, crBk, Render(drawer, dc, strText, format)});
    ++m_nKept;
    return sprites.back().image ? &*sprites.back().image : nullptr;
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
