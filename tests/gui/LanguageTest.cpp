#include "CFrameFixture.h"

#include "platform/IUserPrompt.h"
#include "res/CResources.h"
#include "res/LanguageId.h"

#include <QMenuBar>

namespace {

struct CRecordingPrompt : IUserPrompt {
    int MessageBox(const std::string& strText, const std::string&, unsigned) override {
        astrMessages.push_back(strText);
        return IDOK;
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    std::vector<std::string> astrMessages;
};

class LanguageTest : public CFrameFixture {
protected:
    void TearDown() override {
        CFrameFixture::TearDown();
        CResources::UseBuiltIn();
    }
    QString FirstMenuTitle() const { return m_pFrame->menuBar()->actions().value(0)->text(); }
};

TEST_F(LanguageTest, WithoutTheLibraryTheMenusStayJapanese) {
    QTemporaryDir emptyDir;
    CRecordingPrompt prompt;
    EXPECT_FALSE(CResources::LoadLanguageLibrary(LANG_ID_ENGLISH_US, prompt, emptyDir.path().toStdString()));
    ASSERT_EQ(prompt.astrMessages.size(), 1u);
    EXPECT_EQ(prompt.astrMessages[0], "QuarnelResource_ENG.DLL  Load Error !");
    CreateFrame();
    EXPECT_EQ(FirstMenuTitle(), QStringLiteral("ﾌｧｲﾙ(&F)"));
}

TEST_F(LanguageTest, TheEnglishLibraryGivesEnglishMenus) {
    CRecordingPrompt prompt;
    ASSERT_TRUE(CResources::LoadLanguageLibrary(LANG_ID_ENGLISH_US, prompt, ZELVO_RESOURCE_DIR));
    EXPECT_TRUE(prompt.astrMessages.empty());
    CreateFrame();
    EXPECT_EQ(FirstMenuTitle(), QStringLiteral("&File"));
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("ecg12-resting.mwf - Zelvo"));
}

} // namespace
