#pragma once

#include <array>
#include <string>

class IUserPrompt;

inline constexpr int g_nEegLeadBlocks = 10;
inline constexpr int g_nEegLeadRowsPerBlock = 25;
inline constexpr const char* g_pszLeadTableFileName = "Brisel_LeadTable.txt";

// Row 0 of a block: (derivation count, unused); rows 1 to 24: (first, second electrode code).
using EegLeadRow = std::array<int, 2>;
using EegLeadBlock = std::array<EegLeadRow, g_nEegLeadRowsPerBlock>;
using EegLeadBlocks = std::array<EegLeadBlock, g_nEegLeadBlocks>;

// The montage of the EEG display: which electrode pairs are shown, in which order. It holds
// a sixteen-row referential montage unless the lead-table file reads cleanly, and is read
// once, when the table is constructed.
class CEegLeadTable {
public:
    explicit CEegLeadTable(IUserPrompt& prompt, const std::string& strPath = g_pszLeadTableFileName);

    // Row nRow of block nBlock, continuing into the following blocks past row 24 as the
    // display reads them; no electrodes outside the table.
    EegLeadRow GetRow(int nBlock, int nRow) const;

    // The block's derivation count, as far as the table holds rows after the block's row 0.
    int GetDerivationCount(int nBlock) const;

private:
    static EegLeadBlocks BuiltInTable();
    static bool ReadLeadTable(const std::string& strPath, IUserPrompt& prompt, EegLeadBlocks& anTable);

    EegLeadBlocks m_anLeadTable;
};
