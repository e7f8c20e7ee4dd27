#pragma once

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

// Lines with the current pen, end point excluded, cut to the part the device shows: the pixels
// seen are those of the whole line, however far off its ends lie.
void DrawHorizontalLine(CDC* pDC, int64_t x0, int64_t x1, int64_t y);
void DrawVerticalLine(CDC* pDC, int64_t x, int64_t y0, int64_t y1);
