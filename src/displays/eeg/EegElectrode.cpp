#include "displays/eeg/EegElectrode.h"

namespace {

// The full-width low line of "A1＿A2", in Shift-JIS and in UTF-8.
constexpr std::string_view g_strLowLineShiftJis = "\x81\x51";
constexpr std::string_view g_strLowLineUtf8 = "\xEF\xBC\xBF";
// "A1＿A2" with its low line as lead-table files hold it.
constexpr char g_szA1A2[] = {'A', '1', '\x81', '\x51', 'A', '2', '\0'};

char FoldAsciiCase(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// The second byte of a Shift-JIS double-byte character may look like a Latin letter
// (0x51 is 'Q'), but it is not one, so it has to match exactly.
bool IsShiftJisLeadByte(char ch) {
    const auto by = static_cast<unsigned char>(ch);
    return (by >= 0x81 && by <= 0x9F) || (by >= 0xE0 && by <= 0xFC);
}

bool NamesEqual(std::string_view strA, std::string_view strB) {
    if (strA.size() != strB.size())
        return false;
    for (std::size_t i = 0; i < strA.size(); ++i) {
        if (FoldAsciiCase(strA[i]) != FoldAsciiCase(strB[i]))
            return false;
        if (IsShiftJisLeadByte(strA[i]) && i + 1 < strA.size()) {
            ++i;
            if (strA[i] != strB[i])
                return false;
        }
    }
    return true;
}

// The search ends at the end entry, which stands for no electrode.
template <typename Match> const EegElectrode* FindEntry(Match match) {
    for (const EegElectrode& electrode : g_aEegElectrodes) {
        if (electrode.m_wCode == g_wEegElectrodeEnd)
            break;
        if (match(electrode))
            return &electrode;
    }
    return nullptr;
}

} // namespace

const std::array<EegElectrode, g_nEegElectrodeCount> g_aEegElectrodes = {
    {{0, "U"},    {1, "Nz"},    {2, "Fpz"},      {3, "AFz"},   {4, "Fz"},
     {5, "FCz"},  {6, "Cz"},    {7, "CPz"},      {8, "Pz"},    {9, "POz"},
     {10, "Oz"},  {11, "Iz"},   {12, "FP1"},     {13, "FP2"},  {14, "F1"},
     {15, "F2"},  {16, "FC1"},  {17, "FC2"},     {18, "C1"},   {19, "C2"},
     {20, "CP1"}, {21, "CP2"},  {22, "P1"},      {23, "P2"},   {24, "O1"},
     {25, "O2"},  {26, "AF3"},  {27, "AF4"},     {28, "F3"},   {29, "F4"},
     {30, "FC3"}, {31, "FC4"},  {32, "C3"},      {33, "C4"},   {34, "CP3"},
     {35, "CP4"}, {36, "P3"},   {37, "P4"},      {38, "PO3"},  {39, "PO4"},
     {40, "F5"},  {41, "F6"},   {42, "FC5"},     {43, "FC6"},  {44, "C5"},
     {45, "C6"},  {46, "CP5"},  {47, "CP6"},     {48, "P5"},   {49, "P6"},
     {50, "AF7"}, {51, "AF8"},  {52, "F7"},      {53, "F8"},   {54, "FT7"},
     {55, "FT8"}, {56, "T3"},   {57, "T4"},      {58, "TP7"},  {59, "TP8"},
     {60, "T5"},  {61, "T6"},   {62, "PO7"},     {63, "PO8"},  {64, "F9"},
     {65, "F10"}, {66, "FT9"},  {67, "FT10"},    {68, "T9"},   {69, "T10"},
     {70, "TP9"}, {71, "TP10"}, {72, "P9"},      {73, "P10"},  {74, "A1"},
     {75, "A2"},  {76, "T1"},   {77, "T2"},      {78, "Pg1"},  {79, "Pg2"},
     {80, "Sp1"}, {81, "Sp2"},  {100, g_szA1A2}, {127, "EEG"}, {g_wEegElectrodeEnd, ""}}};

int ElectrodeCodeFromName(std::string_view strName) {
    const EegElectrode* pElectrode = FindEntry(
        [strName](const EegElectrode& electrode) { return NamesEqual(strName, electrode.m_pszName); });
    return pElectrode ? pElectrode->m_wCode : g_nNoElectrode;
}

const EegElectrode* FindEegElectrode(int nCode) {
    return FindEntry([nCode](const EegElectrode& electrode) { return electrode.m_wCode == nCode; });
}

std::string EegNameToUtf8(std::string_view strName) {
    std::string strUtf8;
    for (;;) {
        const std::size_t nFound = strName.find(g_strLowLineShiftJis);
        strUtf8.append(strName.substr(0, nFound));
        if (nFound == std::string_view::npos)
            return strUtf8;
        strUtf8.append(g_strLowLineUtf8);
        strName.remove_prefix(nFound + g_strLowLineShiftJis.size());
    }
}
