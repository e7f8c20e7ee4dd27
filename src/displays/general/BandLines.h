#pragma once

#include "platform/ColorRef.h"

#include <algorithm>
#include <cstdint>

class CDC;

// Floor of a quotient for a positive divisor, also for negative dividends.
constexpr int64_t FloorDiv(int64_t nValue, int64_t nDivisor) {
    return nValue / nDivisor - (nValue % nDivisor < 0 ? 1 : 0);
}

// Calls fn(n, nPosition) for the lines n = 0..nLast at nPosition = nStart + n * nStep (nStep > 0)
// that lie in [nFrom, nTo): a long recording's grid costs only what the device shows.
template <class Fn>
void ForEachVisibleStep(int64_t nStart, int64_t nStep, int64_t nLast, int64_t nFrom, int64_t nTo, Fn&& fn) {
    const int64_t nFirst = std::max<int64_t>(0, -FloorDiv(nStart - nFrom, nStep));
    const int64_t nEnd = std::min(nLast, FloorDiv(nTo - 1 - nStart, nStep));
    for (int64_t n = nFirst; n <= nEnd; ++n) {
        fn(n, nStart + n * nStep);
    }
}

// One-pixel axis-parallel lines, end excluded: the pixels x0..x1-1 of row y, or y0..y1-1 of
// column x. They are filled as rectangles, which covers the same pixels as a one-pixel pen at a
// fraction of the cost, and cut to the part the device shows however far off their ends lie.
void FillHorizontalLine(CDC* pDC, int64_t x0, int64_t x1, int64_t y, COLORREF cr);
void FillVerticalLine(CDC* pDC, int64_t x, int64_t y0, int64_t y1, COLORREF cr);
