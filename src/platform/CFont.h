#pragma once

#include "platform/LogFont.h"

// A font description made into a font. Like CPen it is a value the context copies on selection;
// a font that was never created has no handle and is refused by SelectFont.
class CFont {
public:
    CFont() = default;
    explicit CFont(const LOGFONT& lf) { CreateFontIndirect(lf); }

    void CreateFontIndirect(const LOGFONT& lf) {
        m_lf = lf;
        m_bCreated = true;
    }
    void DeleteObject() { *this = CFont(); }

    bool IsCreated() const { return m_bCreated; }
    const LOGFONT& GetLogFont() const { return m_lf; }

    friend bool operator==(const CFont&, const CFont&) = default;

private:
    LOGFONT m_lf;
    bool m_bCreated = false;
};
