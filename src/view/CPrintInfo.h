#pragma once

#include "platform/CRect.h"

// One print job as the printing pipeline sees it: the page being printed, the page range and the
// drawing rectangle of the page in device pixels.
struct CPrintInfo {
    void SetMaxPage(int nMaxPage) { m_nMaxPage = nMaxPage; }
    int GetMaxPage() const { return m_nMaxPage; }

    int m_nCurPage = 1;
    int m_nFromPage = 1;
    int m_nToPage = 0xFFFF;
    int m_nMaxPage = 0xFFFF;
    bool m_bContinuePrinting = true;
    bool m_bPreview = false;
    CRect m_rectDraw;
};
