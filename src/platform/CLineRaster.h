#pragma once

#include "platform/CPoint.h"
#include "platform/CRect.h"

#include <algorithm>
#include <cstdint>

// The pixels a pen covers along one line, end point excluded.
//
// The thin line is a Bresenham line from the start point: it takes one pixel for each step along
// its major axis (x when |dx| >= |dy|), and its minor offset is the exact offset rounded half away
// from the start, so a line and its repetition cover the same pixels. A wider pen stamps a square
// of the pen width on every pixel of the thin line; an even width reaches one pixel further up and
// left than down and right (6 px: 3 before, 2 after). The covered set is handed out as one span per
// major coordinate, so every pixel appears exactly once and an inverting pen toggles it once.
class CLineRaster {
public:
    CLineRaster(CPoint ptFrom, CPoint ptTo, int nPenWidth);

    // fnSpan(const CRect&) receives every covered span inside rcClip: one pixel wide across the
    // major axis.
    template <class Fn> void ForEachSpan(const CRect& rcClip, Fn&& fnSpan) const {
        if (m_nSteps == 0) {
            return;
        }
        const long long nClipMajorFirst = m_bXMajor ? rcClip.left : rcClip.top;
        const long long nClipMajorEnd = m_bXMajor ? rcClip.right : rcClip.bottom;
        const long long nClipMinorFirst = m_bXMajor ? rcClip.top : rcClip.left;
        const long long nClipMinorEnd = m_bXMajor ? rcClip.bottom : rcClip.right;
        const long long nLastMajor = MajorAt(m_nSteps - 1);
        const long long nFirst = std::max(std::min(m_nMajor0, nLastMajor) + m_nBrushBefore, nClipMajorFirst);
        const long long nEnd = std::min(std::max(m_nMajor0, nLastMajor) + m_nBrushAfter + 1, nClipMajorEnd);
        for (long long nMajor = nFirst; nMajor < nEnd; ++nMajor) {
            long long nMinorFirst = 0;
            long long nMinorLast = 0;
            CoverageAt(nMajor, nMinorFirst, nMinorLast);
            nMinorFirst = std::max(nMinorFirst, nClipMinorFirst);
            nMinorLast = std::min(nMinorLast, nClipMinorEnd - 1);
            if (nMinorFirst <= nMinorLast) {
                fnSpan(MakeSpan(nMajor, nMinorFirst, nMinorLast));
            }
        }
    }

private:
    long long MajorAt(long long nStep) const { return m_nMajor0 + m_nMajorDir * nStep; }
    long long MinorAt(long long nStep) const;
    void CoverageAt(long long nMajor, long long& nMinorFirst, long long& nMinorLast) const;
    CRect MakeSpan(long long nMajor, long long nMinorFirst, long long nMinorLast) const;

    bool m_bXMajor = true;
    long long m_nMajor0 = 0;
    long long m_nMinor0 = 0;
    int m_nMajorDir = 1;
    int m_nMinorDir = 1;
    std::uint64_t m_nSteps = 0;     // pixels of the thin line: |major delta|
    std::uint64_t m_nMinorSpan = 0; // |minor delta|
    int m_nBrushBefore = 0;         // brush offsets around a thin pixel, the same on both axes
    int m_nBrushAfter = 0;
};
