#include "platform/CScrollState.h"

#include "platform/ScrollBar.h"

#include <algorithm>

namespace {

constexpr int g_nDefaultPageDivisor = 10;
constexpr int g_nDefaultLineDivisor = 100;

int Along(CSize size, int nBar) {
    return nBar == SB_HORZ ? size.cx : size.cy;
}
int Along(CPoint pt, int nBar) {
    return nBar == SB_HORZ ? pt.x : pt.y;
}

int OrDefault(int nAmount, int nTotal, int nDivisor) {
    return nAmount != 0 ? nAmount : nTotal / nDivisor;
}

} // namespace

void CScrollState::SetClientSize(CSize sizeClient) {
    m_sizeClient = sizeClient;
    ScrollToPosition(m_ptPosition);
}

void CScrollState::SetScrollSizes(CSize sizeTotal, CSize sizePage, CSize sizeLine) {
    m_sizeTotal = sizeTotal;
    m_sizePage = {OrDefault(sizePage.cx, sizeTotal.cx, g_nDefaultPageDivisor),
                  OrDefault(sizePage.cy, sizeTotal.cy, g_nDefaultPageDivisor)};
    m_sizeLine = {OrDefault(sizeLine.cx, sizeTotal.cx, g_nDefaultLineDivisor),
                  OrDefault(sizeLine.cy, sizeTotal.cy, g_nDefaultLineDivisor)};
    ScrollToPosition(m_ptPosition);
}

int CScrollState::GetScrollLimit(int nBar) const {
    const long long nHidden = static_cast<long long>(Along(m_sizeTotal, nBar)) - Along(m_sizeClient, nBar);
    return static_cast<int>(std::max(nHidden, 0LL));
}

bool CScrollState::ScrollToPosition(CPoint pt) {
    const CPoint ptClamped(ClampToLimit(SB_HORZ, pt.x), ClampToLimit(SB_VERT, pt.y));
    const bool bMoved = ptClamped != m_ptPosition;
    m_ptPosition = ptClamped;
    return bMoved;
}

bool CScrollState::Scroll(int nBar, int nScrollCode, int nPos) {
    if (nBar != SB_HORZ && nBar != SB_VERT) {
        return false;
    }
    const int nTarget = ClampToLimit(nBar, TargetPosition(nBar, nScrollCode, nPos));
    return ScrollToPosition(nBar == SB_HORZ ? CPoint(nTarget, m_ptPosition.y)
                                            : CPoint(m_ptPosition.x, nTarget));
}

long long CScrollState::TargetPosition(int nBar, int nScrollCode, int nPos) const {
    const long long nCurrent = Along(m_ptPosition, nBar);
    switch (nScrollCode) {
    case SB_LINEUP:
        return nCurrent - Along(m_sizeLine, nBar);
    case SB_LINEDOWN:
        return nCurrent + Along(m_sizeLine, nBar);
    case SB_PAGEUP:
        return nCurrent - Along(m_sizePage, nBar);
    case SB_PAGEDOWN:
        return nCurrent + Along(m_sizePage, nBar);
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        return nPos;
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return GetScrollLimit(nBar);
    default:
        return nCurrent;
    }
}

int CScrollState::ClampToLimit(int nBar, long long nPosition) const {
    return static_cast<int>(std::clamp<long long>(nPosition, 0, GetScrollLimit(nBar)));
}
