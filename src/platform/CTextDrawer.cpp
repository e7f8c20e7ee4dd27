#include "platform/CTextDrawer.h"

#include "platform/QtColor.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct SFaceAlias {
    const char* pszFace;
    const char* pszInstalled;
};

// Faces the displays and dialogs ask for, and the installed faces with the same metrics.
constexpr std::array<SFaceAlias, 4> g_aFaceAliases{{
    {"Times New Roman", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"MS PGothic", "IPAPGothic"},
}};

// Japanese glyphs come from this face whatever face the text asks for.
constexpr const char* g_pszJapaneseFallback = "IPAPGothic";

// A height of 0 asks for the device's default size.
constexpr int g_nDefaultCellHeight = 16;
// Size at which the ratio of cell height to em size is read from the font.
constexpr int g_nReferencePixels = 1000;
constexpr int g_nMinWeight = 1;
constexpr int g_nMaxWeight = 1000;

QString InstalledFace(const std::string& strFace) {
    const QString face = QString::fromStdString(strFace);
    for (const SFaceAlias& alias : g_aFaceAliases) {
        if (face.compare(QString::fromUtf8(alias.pszFace), Qt::CaseInsensitive) == 0) {
            return QString::fromUtf8(alias.pszInstalled);
        }
    }
    return face;
}

QFont::StyleHint StyleHintOf(std::uint8_t nPitchAndFamily) {
    switch (nPitchAndFamily & g_nFontFamilyMask) {
    case FF_ROMAN:
        return QFont::Serif;
    case FF_SWISS:
        return QFont::SansSerif;
    case FF_MODERN:
        return QFont::Monospace;
    case FF_SCRIPT:
        return QFont::Cursive;
    case FF_DECORATIVE:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

int QtWeight(int nWeight) {
    return nWeight == FW_DONTCARE ? FW_NORMAL : std::clamp(nWeight, g_nMinWeight, g_nMaxWeight);
}

} // namespace

const QFont& CTextDrawer::Resolve(const LOGFONT& lf) {
    if (!m_bResolved || !(lf == m_lfResolved)) {
        m_font = MakeFont(lf);
        m_metrics.emplace(m_font, &m_device);
        m_widths.clear();
        m_lfResolved = lf;
        m_bResolved = true;
    }
    return m_font;
}

QFont CTextDrawer::MakeFont(const LOGFONT& lf) const {
    QFont font;
    font.setFamilies({InstalledFace(lf.lfFaceName), QString::fromUtf8(g_pszJapaneseFallback)});
    font.setStyleHint(StyleHintOf(lf.lfPitchAndFamily));
    font.setWeight(static_cast<QFont::Weight>(QtWeight(lf.lfWeight)));
    font.setItalic(lf.lfItalic);
    font.setUnderline(lf.lfUnderline);
    font.setStrikeOut(lf.lfStrikeOut);
    // Text is laid out glyph by glyph, without pair kerning, so widths match the original layout.
    font.setKerning(false);
    font.setPixelSize(EmPixels(font, lf.lfHeight));
    return font;
}

// A negative height is the em size itself; a positive one is the whole cell, ascent plus descent.
int CTextDrawer::EmPixels(const QFont& font, int nHeight) const {
    if (nHeight < 0) {
        return std::max(-nHeight, 1);
    }
    const int nCell = nHeight == 0 ? g_nDefaultCellHeight : nHeight;
    QFont reference(font);
    reference.setPixelSize(g_nReferencePixels);
    const QFontMetricsF metrics(reference, &m_device);
    const double dCellPerEm = (metrics.ascent() + metrics.descent()) / g_nReferencePixels;
    return std::max(static_cast<int>(std::lround(nCell / dCellPerEm)), 1);
}

int CTextDrawer::Width(const std::string& strText) {
    const auto it = m_widths.find(strText);
    if (it != m_widths.end())
        return it->second;
    const int nWidth = m_metrics->horizontalAdvance(QString::fromStdString(strText));
    m_widths.emplace(strText, nWidth);
    return nWidth;
}

CSize CTextDrawer::Measure(const LOGFONT& lf, const std::string& strText) {
    Resolve(lf);
    return {Width(strText), m_metrics->height()};
}

void CTextDrawer::Draw(QPainter& painter, const CDC& dc, CPoint ptTopLeft, const std::string& strText) {
    const QFont& font = Resolve(dc.GetCurrentFont().GetLogFont());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (dc.GetBkMode() == OPAQUE) {
        painter.fillRect(QRect(ptTopLeft.x, ptTopLeft.y, Width(strText), m_metrics->height()),
                         ToQColor(dc.GetBkColor()));
    }
    painter.setFont(font);
    painter.setPen(ToQColor(dc.GetTextColor()));
    painter.drawText(QPoint(ptTopLeft.x, ptTopLeft.y + m_metrics->ascent()), QString::fromStdString(strText));
}
