#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One electrode of the EEG electrode table: its 7-bit code and the name that lead-table
// files and row labels use.
struct EegElectrode {
    std::uint16_t m_wCode;
    const char* m_pszName;
};

inline constexpr std::uint16_t g_wEegElectrodeEnd = 0xFFFF;
inline constexpr int g_nEegElectrodeCount = 85;
inline constexpr int g_nNoElectrode = -1;

// Codes 0 to 81 are the entry's position; then 100 "A1＿A2", 127 "EEG" and the end entry.
// Names are kept as lead-table files hold them: "A1＿A2" carries the Shift-JIS bytes of its
// full-width low line, so a file's bytes compare without conversion.
extern const std::array<EegElectrode, g_nEegElectrodeCount> g_aEegElectrodes;

// Code of the first entry whose name matches, letters A to Z compared without case;
// g_nNoElectrode when none matches.
int ElectrodeCodeFromName(std::string_view strName);

// First entry carrying the code, the end entry excluded; nullptr when there is none.
const EegElectrode* FindEegElectrode(int nCode);

// An electrode name as UTF-8 text for people to read.
std::string EegNameToUtf8(std::string_view strName);
