#pragma once

#include <cstdint>

// A colour as the displays and the registry hold it: 0x00BBGGRR.
using COLORREF = std::uint32_t;

constexpr int g_nColorChannelMask = 0xFF;

// Each component keeps only its low byte, as the colour macros of the original platform do.
constexpr COLORREF RGB(int nRed, int nGreen, int nBlue) {
    return static_cast<COLORREF>((nRed & g_nColorChannelMask) | ((nGreen & g_nColorChannelMask) << 8) |
                                 ((nBlue & g_nColorChannelMask) << 16));
}

constexpr std::uint8_t GetRValue(COLORREF cr) {
    return static_cast<std::uint8_t>(cr & g_nColorChannelMask);
}
constexpr std::uint8_t GetGValue(COLORREF cr) {
    return static_cast<std::uint8_t>((cr >> 8) & g_nColorChannelMask);
}
constexpr std::uint8_t GetBValue(COLORREF cr) {
    return static_cast<std::uint8_t>((cr >> 16) & g_nColorChannelMask);
}
