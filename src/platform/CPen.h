#pragma once

#include "platform/ColorRef.h"

#include <algorithm>

// A solid pen. It is a small value: a context keeps its own copy of the pen selected into it, so a
// pen may be deleted or go out of scope while selected. A pen that was never created (or was
// deleted) has no handle and is refused by SelectPen.
class CPen {
public:
    CPen() = default;
    CPen(int nWidth, COLORREF crColor) { CreatePen(nWidth, crColor); }

    // Widths below one pixel draw one pixel wide, as a cosmetic pen does.
    void CreatePen(int nWidth, COLORREF crColor) {
        m_nWidth = std::max(nWidth, 1);
        m_crColor = crColor;
        m_bCreated = true;
    }
    void DeleteObject() { *this = CPen(); }

    bool IsCreated() const { return m_bCreated; }
    int GetWidth() const { return m_nWidth; }
    COLORREF GetColor() const { return m_crColor; }

    friend bool operator==(const CPen&, const CPen&) = default;

private:
    int m_nWidth = 1;
    COLORREF m_crColor = RGB(0, 0, 0);
    bool m_bCreated = false;
};
