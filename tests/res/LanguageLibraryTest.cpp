#include "ResourceTestHelpers.h"
#include "TestCaseName.h"
#include "res/CLanguageLibrary.h"
#include "res/CResources.h"
#include "res/CStringTable.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

const std::string g_strLibraryDir = ZELVO_RESOURCE_LIBRARY_DIR;

class LanguageLibraryTest : public testing::Test {
protected:
    void TearDown() override { CResources::UseBuiltIn(); }
    CRecordingPrompt m_prompt;
};

TEST_F(LanguageLibraryTest, ChineseLibraryServesEveryResource) {
    ASSERT_TRUE(CResources::LoadLanguageLibrary(2052, m_prompt, g_strLibraryDir));
    EXPECT_TRUE(m_prompt.m_messages.empty());
    EXPECT_EQ(CResources::Active().m_nLanguage, 2052u);
    EXPECT_EQ(CStringTable::Load(IDS_FILE_FORMAT_INVALID), "文件格式异常");
    EXPECT_NE(FindPopup(CResources::LoadMenu(IDR_MAINFRAME)->items, "视图(&V)"), nullptr);
    EXPECT_EQ(CResources::LoadDialog(IDD_WAVE_INFO)->FindControl(IDCLOSE)->strText, "关闭");
}

TEST_F(LanguageLibraryTest, EnglishLibraryServesEveryResource) {
    ASSERT_TRUE(CResources::LoadLanguageLibrary(1033, m_prompt, g_strLibraryDir));
    EXPECT_EQ(CResources::Active().m_nLanguage, 1033u);
    EXPECT_EQ(CStringTable::Load(IDS_WAVE_INFO_CAPTION), "Details of %s");
    EXPECT_NE(FindPopup(CResources::LoadMenu(IDR_MAINFRAME)->items, "&View"), nullptr);
    EXPECT_EQ(CResources::LoadDialog(IDD_COLOR_SET)->FindControl(IDCANCEL)->strText, "Cancel");
}

TEST_F(LanguageLibraryTest, JapaneseLibraryMatchesTheBuiltInSet) {
    ASSERT_TRUE(CResources::LoadLanguageLibrary(1041, m_prompt, g_strLibraryDir));
    EXPECT_NE(&CResources::Active(), &CResources::BuiltIn());
    EXPECT_EQ(CResources::Active(), CResources::BuiltIn());
}

TEST_F(LanguageLibraryTest, MissingLibraryKeepsBuiltInAndSaysSo) {
    const std::filesystem::path empty = std::filesystem::path(testing::TempDir()) / "zelvo-no-libraries";
    std::filesystem::create_directories(empty);
    ASSERT_TRUE(CResources::LoadLanguageLibrary(2052, m_prompt, g_strLibraryDir));
    EXPECT_FALSE(CResources::LoadLanguageLibrary(1033, m_prompt, empty.string()));
    ASSERT_EQ(m_prompt.m_messages.size(), 1u);
    EXPECT_EQ(m_prompt.m_messages[0].strText, "QuarnelResource_ENG.DLL  Load Error !");
    EXPECT_EQ(m_prompt.m_messages[0].nStyle, MB_OK);
    EXPECT_EQ(&CResources::Active(), &CResources::BuiltIn());
    EXPECT_NE(FindPopup(CResources::LoadMenu(IDR_MAINFRAME)->items, "表示(&V)"), nullptr);
}

TEST_F(LanguageLibraryTest, FileThatIsNoLibraryIsRefused) {
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "zelvo-bad-library";
    std::filesystem::create_directories(dir);
    {
        std::FILE* pFile = std::fopen((dir / "QuarnelResource_CHN.DLL").c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fputs("not a library", pFile);
        std::fclose(pFile);
    }
    EXPECT_FALSE(CLanguageLibrary::Load((dir / "QuarnelResource_CHN.DLL").string()).has_value());
}

struct LibraryCase {
    const char* m_pszName;
    const char* m_pszFile;
    unsigned m_nLanguage;
};

class LanguageLibraryContentTest : public testing::TestWithParam<LibraryCase> {};

bool ContainsKana(const std::string& strText) {
    // Hiragana and katakana lie in U+3040..U+30FF (E3 81 80 .. E3 83 BF) and the half-width
    // katakana in U+FF61..U+FF9F (EF BD A1 .. EF BE 9F).
    for (size_t i = 0; i + 2 < strText.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(strText[i]);
        const auto b1 = static_cast<unsigned char>(strText[i + 1]);
        const auto b2 = static_cast<unsigned char>(strText[i + 2]);
        if ((b0 == 0xE3 && (b1 == 0x81 || b1 == 0x82 || b1 == 0x83)) ||
            (b0 == 0xEF && ((b1 == 0xBD && b2 >= 0xA1) || (b1 == 0xBE && b2 <= 0x9F)))) {
            return true;
        }
    }
    return false;
}

TEST_P(LanguageLibraryContentTest, HasTheBuiltInShapeWithEveryTextTranslated) {
    const LibraryCase& test = GetParam();
    std::optional<CResourceSet> set = CLanguageLibrary::Load(g_strLibraryDir + "/" + test.m_pszFile);
    ASSERT_TRUE(set.has_value());
    EXPECT_EQ(set->m_nLanguage, test.m_nLanguage);
    EXPECT_EQ(ShapeOf(*set), ShapeOf(CResources::BuiltIn()));

    std::vector<std::string> builtInTexts;
    CResourceSet builtIn = CResources::BuiltIn();
    ForEachText(builtIn, [&](std::string& strText) { builtInTexts.push_back(strText); });
    size_t nIndex = 0;
    ForEachText(*set, [&](std::string& strText) {
        const std::string& strJapanese = builtInTexts.at(nIndex++);
        EXPECT_EQ(strText.empty(), strJapanese.empty()) << strJapanese;
        if (test.m_nLanguage != 1041) {
            EXPECT_FALSE(ContainsKana(strText)) << strText;
        }
    });
}

TEST_P(LanguageLibraryContentTest, EveryToolBarButtonHasPromptAndToolTip) {
    std::optional<CResourceSet> set = CLanguageLibrary::Load(g_strLibraryDir + "/" + GetParam().m_pszFile);
    ASSERT_TRUE(set.has_value());
    for (const auto& [nId, toolBar] : set->m_toolBars) {
        for (const int nButton : toolBar.anButtons) {
            if (nButton != ID_SEPARATOR) {
                const std::string* pText = set->FindString(static_cast<unsigned>(nButton));
                ASSERT_NE(pText, nullptr) << nButton;
                EXPECT_NE(pText->find('\n'), std::string::npos) << nButton;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Libraries, LanguageLibraryContentTest,
                         testing::Values(LibraryCase{"Japanese", "QuarnelResource_JPN.DLL", 1041},
                                         LibraryCase{"Chinese", "QuarnelResource_CHN.DLL", 2052},
                                         LibraryCase{"English", "QuarnelResource_ENG.DLL", 1033}),
                         TestCaseName());

} // namespace
