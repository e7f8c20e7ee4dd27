#include "displays/general/BandLines.h"

#include "platform/CDC.h"

namespace {

// A rightward or downward run [nFrom, nTo) cut to [nClipFrom, nClipTo); false when nothing is left.
bool ClipRun(int64_t& nFrom, int64_t& nTo, int nClipFrom, int nClipTo) {
    nFrom = std::max<int64_t>(nFrom, nClipFrom);
    nTo = std::min<int64_t>(nTo, nClipTo);
    return nFrom < nTo;
}

bool Inside(int64_t nValue, int nFrom, int nTo) {
    return nValue >= nFrom && nValue < nTo;
}

} // namespace

void FillHorizontalLine(CDC* pDC, int64_t x0, int64_t x1, int64_t y, COLORREF cr) {
    const CRect rcClip = pDC->GetClipBox();
    if (Inside(y, rcClip.top, rcClip.bottom) && ClipRun(x0, x1, rcClip.left, rcClip.right)) {
        const int yRow = static_cast<int>(y);
        pDC->FillRect(CRect(static_cast<int>(x0), yRow, static_cast<int>(x1), yRow + 1), cr);
    }
}

void FillVerticalLine(CDC* pDC, int64_t x, int64_t y0, int64_t y1, COLORREF cr) {
    const CRect rcClip = pDC->GetClipBox();
    if (Inside(x, rcClip.left, rcClip.right) && ClipRun(y0, y1, rcClip.top, rcClip.bottom)) {
        const int xColumn = static_cast<int>(x);
        pDC->FillRect(CRect(xColumn, static_cast<int>(y0), xColumn + 1, static_cast<int>(y1)), cr);
    }
}
