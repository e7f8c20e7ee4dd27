#include "res/LanguageId.h"
#include "TestCaseName.h"
#include "res/CResources.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct LocaleCase {
    const char* m_pszName;
    const char* m_pszLocale;
    unsigned m_nLanguageId;
    const char* m_pszLibrary;
};

class LanguageIdTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(LanguageIdTest, LocaleChoosesLanguageAndLibrary) {
    const LocaleCase& test = GetParam();
    const unsigned nLanguageId = LanguageIdFromLocale(test.m_pszLocale);
    EXPECT_EQ(nLanguageId, test.m_nLanguageId);
    EXPECT_EQ(CResources::LibraryNameForLanguage(nLanguageId), test.m_pszLibrary);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LanguageIdTest,
    testing::Values(LocaleCase{"Japanese", "ja_JP.UTF-8", 1041, "QuarnelResource_JPN.DLL"},
                    LocaleCase{"JapaneseBare", "ja", 1041, "QuarnelResource_JPN.DLL"},
                    LocaleCase{"ChinesePrc", "zh_CN.UTF-8", 2052, "QuarnelResource_CHN.DLL"},
                    LocaleCase{"ChineseTaiwan", "zh_TW.UTF-8", 1028, "QuarnelResource_ENG.DLL"},
                    LocaleCase{"EnglishUs", "en_US.UTF-8", 1033, "QuarnelResource_ENG.DLL"},
                    LocaleCase{"EnglishUk", "en_GB.UTF-8", 2057, "QuarnelResource_ENG.DLL"},
                    LocaleCase{"GermanWithModifier", "de_DE@euro", 1031, "QuarnelResource_ENG.DLL"},
                    LocaleCase{"PosixC", "C", 1033, "QuarnelResource_ENG.DLL"},
                    LocaleCase{"Empty", "", 1033, "QuarnelResource_ENG.DLL"},
                    LocaleCase{"LanguagePrefixOnly", "jaxx_JP", 1033, "QuarnelResource_ENG.DLL"}),
    TestCaseName());

TEST(SystemLanguageId, LcAllWinsOverLang) {
    setenv("LANG", "en_US.UTF-8", 1);
    setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_EQ(SystemLanguageId(), 1041u);
    setenv("LC_ALL", "", 1);
    unsetenv("LC_MESSAGES");
    EXPECT_EQ(SystemLanguageId(), 1033u);
    unsetenv("LC_ALL");
    unsetenv("LANG");
    EXPECT_EQ(SystemLanguageId(), 1033u);
}

} // namespace
