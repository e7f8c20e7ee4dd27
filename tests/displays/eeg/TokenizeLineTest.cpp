#include "displays/eeg/TokenizeLine.h"

#include "TestCaseName.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* g_pszDelimiters = ",\t\n\r\"";

struct TokenizeCase {
    const char* m_pszName;
    std::string m_strText;
    std::vector<std::string> m_astrTokens;
};

class TokenizeLineTest : public testing::TestWithParam<TokenizeCase> {};

TEST_P(TokenizeLineTest, SplitsAtDelimiterRuns) {
    const TokenizeCase& tc = GetParam();
    std::vector<std::string> astrTokens = {"left over"};
    const int nCount = TokenizeLine(tc.m_strText, astrTokens, g_pszDelimiters);
    EXPECT_EQ(astrTokens, tc.m_astrTokens);
    EXPECT_EQ(nCount, static_cast<int>(tc.m_astrTokens.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TokenizeLineTest,
    testing::Values(TokenizeCase{"Empty", "", {}}, TokenizeCase{"OnlyDelimiters", ",\t\"\r\n,", {}},
                    TokenizeCase{"Commas", "EEG_00,FP1,A1", {"EEG_00", "FP1", "A1"}},
                    TokenizeCase{"RunsAndEnds", ",,EEG_00,,,FP1\t,A1,\r\n", {"EEG_00", "FP1", "A1"}},
                    TokenizeCase{"Quoted", "\"EEG_00\",\"FP1\",\"A1\"", {"EEG_00", "FP1", "A1"}},
                    TokenizeCase{"SpacesStay", "EEG_00, FP1 ,A1", {"EEG_00", " FP1 ", "A1"}},
                    TokenizeCase{"HighBytes", "x\x81\x51,\x81\x51", {"x\x81\x51", "\x81\x51"}}),
    TestCaseName());

} // namespace
