#include "displays/eeg/EegElectrode.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int g_nPositionalCodes = 82;
// "A1＿A2" as a Shift-JIS lead-table file holds it.
constexpr unsigned char g_abyA1A2ShiftJis[] = {0x41, 0x31, 0x81, 0x51, 0x41, 0x32};
constexpr char g_szA1A2[] = {'A', '1', '\x81', '\x51', 'A', '2', '\0'};
const std::string g_strLowLine = "\x81\x51";
const std::string g_strLowLineUtf8 = "\xEF\xBC\xBF";

TEST(EegElectrodeTable, PositionalCodesThenA1A2EegAndEnd) {
    for (int i = 0; i < g_nPositionalCodes; ++i)
        EXPECT_EQ(g_aEegElectrodes[i].m_wCode, i) << g_aEegElectrodes[i].m_pszName;
    EXPECT_EQ(g_aEegElectrodes[82].m_wCode, 100);
    EXPECT_EQ(g_aEegElectrodes[83].m_wCode, 127);
    EXPECT_STREQ(g_aEegElectrodes[83].m_pszName, "EEG");
    EXPECT_EQ(g_aEegElectrodes[84].m_wCode, 0xFFFF);
    EXPECT_STREQ(g_aEegElectrodes[84].m_pszName, "");
}

TEST(EegElectrodeTable, A1A2KeepsTheShiftJisBytes) {
    const char* pszName = g_aEegElectrodes[82].m_pszName;
    ASSERT_EQ(std::strlen(pszName), sizeof g_abyA1A2ShiftJis);
    EXPECT_EQ(std::memcmp(pszName, g_abyA1A2ShiftJis, sizeof g_abyA1A2ShiftJis), 0);
}

TEST(EegElectrodeTable, A1A2ReadsAsUtf8) {
    EXPECT_EQ(EegNameToUtf8(g_aEegElectrodes[82].m_pszName), "A1" + g_strLowLineUtf8 + "A2");
    EXPECT_EQ(EegNameToUtf8("FP1"), "FP1");
}

struct NameCase {
    std::string m_strName;
    int m_nCode;
};

class ElectrodeCodeFromNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(ElectrodeCodeFromNameTest, FindsTheCode) {
    EXPECT_EQ(ElectrodeCodeFromName(GetParam().m_strName), GetParam().m_nCode);
}

INSTANTIATE_TEST_SUITE_P(Names, ElectrodeCodeFromNameTest,
                         testing::Values(NameCase{"U", 0}, NameCase{"Iz", 11}, NameCase{"FP1", 12},
                                         NameCase{"O2", 25}, NameCase{"AF3", 26}, NameCase{"PO4", 39},
                                         NameCase{"F5", 40}, NameCase{"P6", 49}, NameCase{"AF7", 50},
                                         NameCase{"T3", 56}, NameCase{"PO8", 63}, NameCase{"F9", 64},
                                         NameCase{"P10", 73}, NameCase{"A1", 74}, NameCase{"A2", 75},
                                         NameCase{"Sp2", 81}, NameCase{"A1" + g_strLowLine + "A2", 100},
                                         NameCase{"EEG", 127},
                                         // Letters A to Z match whatever their case.
                                         NameCase{"fp1", 12}, NameCase{"fP1", 12}, NameCase{"SP2", 81},
                                         NameCase{"eeg", 127}, NameCase{"a1" + g_strLowLine + "a2", 100},
                                         // The low line's second byte is not the letter Q.
                                         NameCase{"A1\x81qA2", -1}, NameCase{"", -1}, NameCase{" FP1", -1},
                                         NameCase{"FP1 ", -1}, NameCase{"FP3", -1}, NameCase{"A1_A2", -1},
                                         NameCase{"A1" + g_strLowLineUtf8 + "A2", -1}));

struct CodeCase {
    int m_nCode;
    const char* m_pszName;
};

class FindEegElectrodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(FindEegElectrodeTest, FindsTheEntry) {
    const EegElectrode* pElectrode = FindEegElectrode(GetParam().m_nCode);
    if (GetParam().m_pszName == nullptr) {
        EXPECT_EQ(pElectrode, nullptr);
        return;
    }
    ASSERT_NE(pElectrode, nullptr);
    EXPECT_STREQ(pElectrode->m_pszName, GetParam().m_pszName);
}

INSTANTIATE_TEST_SUITE_P(Codes, FindEegElectrodeTest,
                         testing::Values(CodeCase{0, "U"}, CodeCase{12, "FP1"}, CodeCase{81, "Sp2"},
                                         CodeCase{100, g_szA1A2}, CodeCase{127, "EEG"}, CodeCase{82, nullptr},
                                         CodeCase{0xFFFF, nullptr}, CodeCase{-1, nullptr}));

} // namespace
