#include "app/dialogs/CAboutDlg.h"
#include "app/dialogs/CColorSetDlg.h"
#include "app/dialogs/CWaveInfoDlg.h"
#include "platform/CMemoryProfile.h"
#include "platform/IUserPrompt.h"
#include "res/CResources.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>

namespace {

class CSilentPrompt : public IUserPrompt {
public:
    int MessageBox(const std::string&, const std::string&, unsigned) override { return IDOK; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
};

class DialogLayoutTest : public testing::Test {
protected:
    void TearDown() override { CResources::UseBuiltIn(); }
    void UseLanguage(unsigned nLanguage) {
        ASSERT_TRUE(CResources::LoadLanguageLibrary(nLanguage, m_prompt, ZELVO_RESOURCE_LIBRARY_DIR));
    }
    CSilentPrompt m_prompt;
};

TEST_F(DialogLayoutTest, ControlsSitAtTheirDialogUnitRectangles) {
    CWaveInfoDlg dialog(nullptr);
    const QFont font = dialog.font();
    EXPECT_EQ(dialog.GetDlgItem(IDC_INFO_SERIAL)->geometry(),
              CTemplateDialog::DialogUnitsToPixels(font, 71, 80, 115, 13));
    EXPECT_EQ(dialog.GetDlgItem(IDCLOSE)->geometry(),
              CTemplateDialog::DialogUnitsToPixels(font, 212, 143, 50, 14));
    EXPECT_EQ(dialog.size(), CTemplateDialog::DialogUnitsToPixels(font, 0, 0, 271, 164).size());
}

TEST_F(DialogLayoutTest, DialogUnitsFollowTheFont) {
    QFont small;
    small.setFamilies({QStringLiteral("IPAPGothic")});
    small.setPointSize(9);
    QFont large = small;
    large.setPointSize(18);
    const QRect rcSmall = CTemplateDialog::DialogUnitsToPixels(small, 4, 8, 40, 80);
    const QRect rcLarge = CTemplateDialog::DialogUnitsToPixels(large, 4, 8, 40, 80);
    EXPECT_GT(rcSmall.width(), 0);
    EXPECT_GT(rcLarge.width(), rcSmall.width());
    EXPECT_GT(rcLarge.height(), rcSmall.height());
    // Four horizontal units are one average character, eight vertical units one line.
    EXPECT_EQ(rcSmall.height(), 10 * rcSmall.y());
}

TEST_F(DialogLayoutTest, JapaneseTextsHaveAJapaneseFont) {
    CWaveInfoDlg dialog(nullptr);
    const QRawFont rawFont = QRawFont::fromFont(dialog.font());
    for (const char32_t ch : {U'閉', U'ン', U'機'}) {
        EXPECT_TRUE(rawFont.supportsCharacter(ch)) << static_cast<unsigned>(ch);
    }
}

TEST_F(DialogLayoutTest, AboutBoxShowsNameAndVersion) {
    CAboutDlg dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Zelvoのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_ABOUT_VERSION), "Zelvo Version 2.0.0β");
    auto* pOk = qobject_cast<QPushButton*>(dialog.GetDlgItem(IDOK));
    ASSERT_NE(pOk, nullptr);
    EXPECT_TRUE(pOk->isDefault());
    pOk->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(DialogLayoutTest, EnglishLibraryServesTheDialogs) {
    UseLanguage(1033);
    CWaveInfoDlg info(nullptr);
    EXPECT_EQ(info.GetDlgItemText(IDCLOSE), "Close");
    EXPECT_EQ(info.GetDlgItemText(IDC_INFO_SERIAL_LABEL), "Serial No.");
    CMemoryProfile profile;
    CColorSetDlg color(profile, nullptr);
    color.OnInitDialog();
    EXPECT_EQ(color.windowTitle().toStdString(), "Display Colors");
    EXPECT_EQ(color.GetDlgItemText(IDCANCEL), "Cancel");
}

TEST_F(DialogLayoutTest, ChineseLibraryServesTheDialogs) {
    UseLanguage(2052);
    CMemoryProfile profile;
    CColorSetDlg color(profile, nullptr);
    color.OnInitDialog();
    EXPECT_EQ(color.GetDlgItemText(IDC_COLOR_WAVE_GROUP), "波形显示颜色");
    EXPECT_EQ(color.m_cbUniBack->itemText(4).toStdString(), "黑色（5mm 刻度）");
    EXPECT_EQ(color.GetDlgItemText(IDOK), "确定");
}

} // namespace
