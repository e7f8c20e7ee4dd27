#include "displays/eeg/CEegLeadTable.h"

#include "displays/eeg/CTextLineReader.h"
#include "displays/eeg/EegElectrode.h"
#include "displays/eeg/TokenizeLine.h"
#include "platform/IUserPrompt.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

namespace {

constexpr int g_nTableRows = g_nEegLeadBlocks * g_nEegLeadRowsPerBlock;
constexpr int g_nLeadTableFields = 3;
constexpr const char* g_pszLeadTableDelimiters = ",\t\n\r\"";
constexpr const char* g_pszEnvFileCaption = "Env File";

// FP1, FP2, F3, F4, C3, C4, P3, P4, O1, O2, F7, F8, T3, T4, T5, T6, each against the
// ear electrode of its side.
constexpr EegLeadRow g_aanBuiltInMontage[] = {
    {12, 74}, {13, 75}, {28, 74}, {29, 75}, {32, 74}, {33, 75}, {36, 74}, {37, 75},
    {24, 74}, {25, 75}, {52, 74}, {53, 75}, {56, 74}, {57, 75}, {60, 74}, {61, 75},
};

std::string BlockName(int nBlock) {
    char szName[16];
    std::snprintf(szName, sizeof szName, "EEG_%02d", nBlock);
    return szName;
}

void ShowEnvFileMessage(IUserPrompt& prompt, const std::string& strText) {
    prompt.MessageBox(strText, g_pszEnvFileCaption, MB_OK);
}

} // namespace

CEegLeadTable::CEegLeadTable(IUserPrompt& prompt, const std::string& strPath)
    : m_anLeadTable(BuiltInTable()) {
    // A rejected file must not leave a partly replaced table, so the file goes into a table
    // of its own first.
    EegLeadBlocks anFileTable{};
    if (ReadLeadTable(strPath, prompt, anFileTable))
        m_anLeadTable = anFileTable;
}

EegLeadRow CEegLeadTable::GetRow(int nBlock, int nRow) const {
    const int nIndex = nBlock * g_nEegLeadRowsPerBlock + nRow;
    if (nBlock < 0 || nRow < 0 || nIndex >= g_nTableRows)
        return {g_nNoElectrode, g_nNoElectrode};
    return m_anLeadTable[nIndex / g_nEegLeadRowsPerBlock][nIndex % g_nEegLeadRowsPerBlock];
}

int CEegLeadTable::GetDerivationCount(int nBlock) const {
    const int nRowsAfterCount = g_nTableRows - nBlock * g_nEegLeadRowsPerBlock - 1;
    return std::min(GetRow(nBlock, 0)[0], nRowsAfterCount);
}

EegLeadBlocks CEegLeadTable::BuiltInTable() {
    EegLeadBlocks anTable{};
    anTable[0][0] = {static_cast<int>(std::size(g_aanBuiltInMontage)), 0};
    std::copy(std::begin(g_aanBuiltInMontage), std::end(g_aanBuiltInMontage), anTable[0].begin() + 1);
    return anTable;
}

bool CEegLeadTable::ReadLeadTable(const std::string& strPath, IUserPrompt& prompt, EegLeadBlocks& anTable) {
    CTextLineReader file(strPath);
    if (!file.IsOpen())
        return false;
    std::vector<std::string> astrFields;
    std::string strLine;
    for (int nBlock = 0; nBlock < g_nEegLeadBlocks; ++nBlock) {
        const std::string strBlockName = BlockName(nBlock);
        for (EegLeadRow& anRow : anTable[nBlock]) {
            switch (file.ReadLine(strLine)) {
            case CTextLineReader::ReadResult::End:
                // Only complete blocks from the first one on make a montage.
                return nBlock > 0;
            case CTextLineReader::ReadResult::Error:
                ShowEnvFileMessage(prompt, strPath + " File Read error");
                return false;
            case CTextLineReader::ReadResult::Line:
                break;
            }
            if (TokenizeLine(strLine, astrFields, g_pszLeadTableDelimiters) != g_nLeadTableFields) {
                ShowEnvFileMessage(prompt, strPath + " File format error");
                return false;
            }
            if (astrFields[0] != strBlockName) {
                ShowEnvFileMessage(prompt, "File format error  \n" + strLine);
                return false;
            }
            anRow = {ElectrodeCodeFromName(astrFields[1]), ElectrodeCodeFromName(astrFields[2])};
        }
    }
    return true;
}
