#pragma once

#include "platform/CDC.h"
#include "platform/ColorRef.h"
#include "platform/LogFont.h"

#include <QImage>

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CTextDrawer;

// Finished pictures of texts written over their own background box. Such a cell looks the same
// wherever it lands, and displays write the same few labels hundreds of times a paint: copying the
// pixels is far cheaper than laying the text out again.
class CTextSprites {
public:
    // The cell's pixels as the drawer paints them in the context's font and colours, or nullptr when
    // the text is better written directly: the first few times it is asked for (most texts of a
    // paint are written once or twice, and making a cell costs about two writings), when the glyphs
    // reach outside the box, so the result depends on what lies
    // beneath, or when enough different texts have been kept already.
    const QImage* Find(CTextDrawer& drawer, const CDC& dc, const std::string& strText, QImage::Format format);

private:
    struct SSprite {
        LOGFONT lf;
        COLORREF crText;
        COLORREF crBk;
        int nRequests = 0;
        std::optional<QImage> image; // once rendered: the cell, or nothing when it cannot be reused
    };

    SSprite* Lookup(const std::string& strText, const LOGFONT& lf, COLORREF crText, COLORREF crBk);
    static std::optional<QImage> Render(CTextDrawer& drawer, const CDC& dc, const std::string& strText,
                                        QImage::Format format);

    std::unordered_map<std::string, std::vector<SSprite>> m_sprites;
    size_t m_nKept = 0;
};
