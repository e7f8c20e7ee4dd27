#include "displays/eeg/CEegLeadTable.h"

#include "CRecordingPrompt.h"
#include "displays/eeg/EegElectrode.h"

#include "TestCaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int g_nTableRows = g_nEegLeadBlocks * g_nEegLeadRowsPerBlock;
constexpr int g_nPositionalCodes = 82;
constexpr int g_nSecondCodeShift = 7;
const std::string g_strLowLineShiftJis = "\x81\x51";

constexpr EegLeadRow g_aanBuiltInRows[] = {
    {12, 74}, {13, 75}, {28, 74}, {29, 75}, {32, 74}, {33, 75}, {36, 74}, {37, 75},
    {24, 74}, {25, 75}, {52, 74}, {53, 75}, {56, 74}, {57, 75}, {60, 74}, {61, 75},
};

std::string BlockName(int nBlock) {
    char szName[16];
    std::snprintf(szName, sizeof szName, "EEG_%02d", nBlock);
    return szName;
}

// Line k of a test file names the electrodes with codes k and k + 7 (modulo the
// positional codes), so every row read shows where it came from.
EegLeadRow NumberedRow(int nLine) {
    return {nLine % g_nPositionalCodes, (nLine + g_nSecondCodeShift) % g_nPositionalCodes};
}

std::vector<std::string> NumberedLines(int nLines) {
    std::vector<std::string> astrLines;
    for (int k = 0; k < nLines; ++k) {
        const EegLeadRow anRow = NumberedRow(k);
        astrLines.push_back(BlockName(k / g_nEegLeadRowsPerBlock) + "," +
                            g_aEegElectrodes[anRow[0]].m_pszName + "," +
                            g_aEegElectrodes[anRow[1]].m_pszName);
    }
    return astrLines;
}

class CEegLeadTableTest : public testing::Test {
protected:
    void SetUp() override {
        const testing::TestInfo* pInfo = testing::UnitTest::GetInstance()->current_test_info();
        std::string strName = std::string(pInfo->test_suite_name()) + "_" + pInfo->name();
        std::replace(strName.begin(), strName.end(), '/', '_');
        m_dir = fs::temp_directory_path() / ("zelvo_eeg_" + std::to_string(::getpid()) + "_" + strName);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_path = m_dir / "Brisel_LeadTable.txt";
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void WriteFile(const std::vector<std::string>& astrLines, const std::string& strEnd = "\n") const {
        std::ofstream file(m_path, std::ios::binary);
        for (const std::string& strLine : astrLines)
            file << strLine << strEnd;
    }

    CEegLeadTable ReadTable() { return CEegLeadTable(m_prompt, m_path.string()); }

    void ExpectBuiltIn(const CEegLeadTable& table) const {
        EXPECT_EQ(table.GetDerivationCount(0), 16);
        for (int nRow = 1; nRow < g_nTableRows; ++nRow) {
            const EegLeadRow anExpected = nRow <= 16 ? g_aanBuiltInRows[nRow - 1] : EegLeadRow{0, 0};
            EXPECT_EQ(table.GetRow(0, nRow), anExpected) << "row " << nRow;
        }
    }

    void ExpectNumberedRows(const CEegLeadTable& table, int nLines) const {
        for (int nRow = 0; nRow < g_nTableRows; ++nRow) {
            const EegLeadRow anExpected = nRow < nLines ? NumberedRow(nRow) : EegLeadRow{0, 0};
            EXPECT_EQ(table.GetRow(0, nRow), anExpected) << "row " << nRow;
        }
    }

    void ExpectOneMessage(const std::string& strText) const {
        ASSERT_EQ(m_prompt.m_aMessages.size(), 1u);
        EXPECT_EQ(m_prompt.m_aMessages[0].m_strText, strText);
        EXPECT_EQ(m_prompt.m_aMessages[0].m_strCaption, "Env File");
        EXPECT_EQ(m_prompt.m_aMessages[0].m_nStyle, unsigned{MB_OK});
    }

    fs::path m_dir;
    fs::path m_path;
    CRecordingPrompt m_prompt;
};

TEST_F(CEegLeadTableTest, MissingFileKeepsTheBuiltInMontageQuietly) {
    const CEegLeadTable table = ReadTable();
    ExpectBuiltIn(table);
    EXPECT_TRUE(m_prompt.m_aMessages.empty());
}

class CEegLeadTableShortFileTest : public CEegLeadTableTest, public testing::WithParamInterface<int> {};

TEST_P(CEegLeadTableShortFileTest, IncompleteFirstBlockKeepsTheBuiltInMontageQuietly) {
    WriteFile(NumberedLines(GetParam()));
    const CEegLeadTable table = ReadTable();
    ExpectBuiltIn(table);
    EXPECT_TRUE(m_prompt.m_aMessages.empty());
}

INSTANTIATE_TEST_SUITE_P(Lines, CEegLeadTableShortFileTest, testing::Values(0, 1, 24));

TEST_F(CEegLeadTableTest, OneBlockTakesItsCountFromTheFirstLine) {
    std::vector<std::string> astrLines = NumberedLines(g_nEegLeadRowsPerBlock);
    astrLines[0] = "EEG_00,FP2,U";
    WriteFile(astrLines);
    const CEegLeadTable table = ReadTable();
    EXPECT_EQ(table.GetDerivationCount(0), 13);
    EXPECT_EQ(table.GetRow(0, 1), NumberedRow(1));
    EXPECT_EQ(table.GetRow(0, 24), NumberedRow(24));
    EXPECT_EQ(table.GetRow(1, 0), (EegLeadRow{0, 0}));
    EXPECT_TRUE(m_prompt.m_aMessages.empty());
}

TEST_F(CEegLeadTableTest, ThirtyLinesFillBlockZeroAndFiveRowsOfBlockOne) {
    WriteFile(NumberedLines(30));
    ExpectNumberedRows(ReadTable(), 30);
    EXPECT_TRUE(m_prompt.m_aMessages.empty());
}

TEST_F(CEegLeadTableTest, LinesAfterTheTenthBlockAreNotRead) {
    std::vector<std::string> astrLines = NumberedLines(g_nTableRows);
    astrLines.push_back("not a lead table line");
    WriteFile(astrLines);
    ExpectNumberedRows(ReadTable(), g_nTableRows);
    EXPECT_TRUE(m_prompt.m_aMessages.empty());
}

TEST_F(CEegLeadTableTest, WindowsLineEndsReadLikeUnixOnes) {
    WriteFile(NumberedLines(30), "\r\n");
    ExpectNumberedRows(ReadTable(), 30);
    EXPECT_TRUE(m_prompt.m_aMessages.empty());
}

struct BadLineCase {
    const char* m_pszName;
    int m_nLine;
    std::string m_strLine;
    bool m_bBlockNameError;
};

class CEegLeadTableBadLineTest : public CEegLeadTableTest, public testing::WithParamInterface<BadLineCase> {};

// A rejected line anywhere, even after a complete first block, leaves the whole built-in montage.
TEST_P(CEegLeadTableBadLineTest, RejectsTheFileWithItsMessage) {
    const BadLineCase& tc = GetParam();
    std::vector<std::string> astrLines = NumberedLines(40);
    astrLines[tc.m_nLine] = tc.m_strLine;
    WriteFile(astrLines, "\r\n");
    ExpectBuiltIn(ReadTable());
    ExpectOneMessage(tc.m_bBlockNameError ? "File format error  \n" + tc.m_strLine
                                          : m_path.string() + " File format error");
}

INSTANTIATE_TEST_SUITE_P(Lines, CEegLeadTableBadLineTest,
                         testing::Values(BadLineCase{"Blank", 3, "", false},
                                         BadLineCase{"OnlyDelimiters", 3, ",,\"\t", false},
                                         BadLineCase{"TwoFields", 0, "EEG_00,FP1", false},
                                         BadLineCase{"FourFields", 3, "EEG_00,FP1,A1,A2", false},
                                         BadLineCase{"SpaceIsNoDelimiter", 3, "EEG_00 FP1 A1", false},
                                         BadLineCase{"BlankInSecondBlock", 30, "", false},
                                         BadLineCase{"LowerCaseBlockName", 5, "eeg_00,FP1,A1", true},
                                         BadLineCase{"SecondBlockAmongTheFirst", 10, "EEG_01,FP1,A1", true},
                                         BadLineCase{"FirstBlockAfterIt", 25, "EEG_00,FP1,A1", true},
                                         BadLineCase{"UnpaddedBlockName", 30, "EEG_1,FP1,A1", true}),
                         TestCaseName());

struct RowCase {
    const char* m_pszName;
    std::string m_strLine;
    EegLeadRow m_anRow;
};

class CEegLeadTableRowTest : public CEegLeadTableTest, public testing::WithParamInterface<RowCase> {};

TEST_P(CEegLeadTableRowTest, ReadsTheElectrodeCodes) {
    std::vector<std::string> astrLines = NumberedLines(g_nEegLeadRowsPerBlock);
    astrLines[1] = GetParam().m_strLine;
    WriteFile(astrLines);
    EXPECT_EQ(ReadTable().GetRow(0, 1), GetParam().m_anRow);
    EXPECT_TRUE(m_prompt.m_aMessages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CEegLeadTableRowTest,
    testing::Values(RowCase{"Plain", "EEG_00,FP1,A1", {12, 74}},
                    RowCase{"CommaAndSpace", "EEG_00, FP1, A1", {-1, -1}},
                    RowCase{"DoubleComma", "EEG_00,,FP1,A1", {12, 74}},
                    RowCase{"QuotedAndTabs", "\"EEG_00\"\t\"FP1\"\t\"A1\"", {12, 74}},
                    RowCase{"LowerCaseNames", "EEG_00,fp1,a2", {12, 75}},
                    RowCase{"ShiftJisA1A2", "EEG_00,a1" + g_strLowLineShiftJis + "a2,EEG", {100, 127}},
                    RowCase{"UnknownNames", "EEG_00,XX,FP3", {-1, -1}}),
    TestCaseName());

TEST_F(CEegLeadTableTest, UnknownCountNameShowsNoRows) {
    std::vector<std::string> astrLines = NumberedLines(g_nEegLeadRowsPerBlock);
    astrLines[0] = "EEG_00,XX,U";
    WriteFile(astrLines);
    EXPECT_EQ(ReadTable().GetDerivationCount(0), -1);
}

// "EEG" is code 127: the rows run on from block 0 into blocks 1 to 5.
TEST_F(CEegLeadTableTest, CountOf127ReadsOnIntoTheFollowingBlocks) {
    std::vector<std::string> astrLines = NumberedLines(g_nTableRows);
    astrLines[0] = "EEG_00,EEG,U";
    WriteFile(astrLines);
    const CEegLeadTable table = ReadTable();
    EXPECT_EQ(table.GetDerivationCount(0), 127);
    EXPECT_EQ(table.GetRow(0, 25), NumberedRow(25));
    EXPECT_EQ(table.GetRow(0, 127), NumberedRow(127));
}

TEST_F(CEegLeadTableTest, CountNeverReachesPastTheTable) {
    std::vector<std::string> astrLines = NumberedLines(g_nTableRows);
    astrLines[9 * g_nEegLeadRowsPerBlock] = "EEG_09,EEG,U";
    WriteFile(astrLines);
    const CEegLeadTable table = ReadTable();
    EXPECT_EQ(table.GetDerivationCount(9), 24);
    EXPECT_EQ(table.GetRow(9, 24), NumberedRow(g_nTableRows - 1));
    EXPECT_EQ(table.GetRow(9, 25), (EegLeadRow{-1, -1}));
    EXPECT_EQ(table.GetRow(0, -1), (EegLeadRow{-1, -1}));
}

TEST_F(CEegLeadTableTest, ReadErrorKeepsTheBuiltInMontageWithItsMessage) {
    // Opening a directory succeeds, but reading from it fails.
    fs::create_directory(m_path);
    ExpectBuiltIn(ReadTable());
    ExpectOneMessage(m_path.string() + " File Read error");
}

TEST_F(CEegLeadTableTest, DefaultFileIsLookedForInTheCurrentDirectory) {
    std::vector<std::string> astrLines = NumberedLines(g_nEegLeadRowsPerBlock);
    astrLines[0] = "EEG_00,FP1,U";
    WriteFile(astrLines);
    const fs::path previous = fs::current_path();
    fs::current_path(m_dir);
    const CEegLeadTable table(m_prompt);
    fs::current_path(previous);
    EXPECT_EQ(table.GetDerivationCount(0), 12);
}

} // namespace
