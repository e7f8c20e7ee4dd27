#pragma once

// A width and a height in device or logical units.
class CSize {
public:
    constexpr CSize() = default;
    constexpr CSize(int nCx, int nCy) : cx(nCx), cy(nCy) {}

    friend constexpr bool operator==(const CSize&, const CSize&) = default;

    int cx = 0;
    int cy = 0;
};
