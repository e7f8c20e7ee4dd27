#pragma once

#include <cstdint>
#include <string>

enum : int { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };
enum : std::uint8_t { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SHIFTJIS_CHARSET = 128 };
enum : std::uint8_t {
    DEFAULT_PITCH = 0x00,
    FIXED_PITCH = 0x01,
    VARIABLE_PITCH = 0x02,
    FF_DONTCARE = 0x00,
    FF_ROMAN = 0x10,
    FF_SWISS = 0x20,
    FF_MODERN = 0x30,
    FF_SCRIPT = 0x40,
    FF_DECORATIVE = 0x50,
};
constexpr std::uint8_t g_nFontFamilyMask = 0xF0;

// The description a font is made from. A positive height is the character cell (ascent plus
// descent) in device pixels, a negative one the character height without internal leading.
struct LOGFONT {
    int lfHeight = 0;
    int lfWeight = FW_NORMAL;
    bool lfItalic = false;
    bool lfUnderline = false;
    bool lfStrikeOut = false;
    std::uint8_t lfCharSet = ANSI_CHARSET;
    std::uint8_t lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::string lfFaceName; // UTF-8

    friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};
