#include "ResourceTestHelpers.h"
#include "res/CResources.h"
#include "res/CStringTable.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const CResourceSet& BuiltIn() {
    return CResources::BuiltIn();
}

const MenuItem& MainPopup(const std::string& strText) {
    const MenuItem* pPopup = FindPopup(BuiltIn().FindMenu(IDR_MAINFRAME)->items, strText);
    EXPECT_NE(pPopup, nullptr) << strText;
    static const MenuItem empty;
    return pPopup != nullptr ? *pPopup : empty;
}

std::string CommandText(const std::vector<MenuItem>& items, int nId) {
    const auto it =
        std::find_if(items.begin(), items.end(), [nId](const MenuItem& item) { return item.nId == nId; });
    return it == items.end() ? std::string("<missing>") : it->strText;
}

constexpr int kPopup = -1;

TEST(BuiltInResources, ServeUntilALibraryIsLoaded) {
    CResources::UseBuiltIn();
    EXPECT_EQ(CStringTable::Load(IDS_FILE_FORMAT_INVALID), "ファイルフォーマットが異常です");
    EXPECT_EQ(CStringTable::Load(IDS_WAVE_INFO_CAPTION), "%s の詳細情報");
    EXPECT_EQ(CResources::LoadString(AFX_IDS_APP_TITLE), "Zelvo");
    EXPECT_EQ(CResources::LoadString(1), "");
    EXPECT_EQ(CResources::LoadMenu(IDR_MAINFRAME), BuiltIn().FindMenu(IDR_MAINFRAME));
    EXPECT_EQ(CResources::LoadDialog(12345), nullptr);
}

TEST(BuiltInResources, PromptAndToolTipAreSplitByALineBreak) {
    EXPECT_EQ(*BuiltIn().FindString(ID_MEASURE_VALUE), "値の計測を行う\n値計測");
    EXPECT_EQ(*BuiltIn().FindString(ID_ZOOM_OUT), "ズームアウト\nズームアウト");
    EXPECT_EQ(BuiltIn().FindString(ID_SMOOTH), nullptr);
}

TEST(BuiltInResources, MainViewMenuOrder) {
    const MenuItem& view = MainPopup("表示(&V)");
    const std::vector<int> anExpected = {kPopup,
                                         kPopup,
                                         ID_ECG_VIEW,
                                         ID_SEPARATOR,
                                         ID_MEASURE_VALUE,
                                         ID_MEASURE_INTERVAL,
                                         ID_MOUSE_SCROLL,
                                         ID_SEPARATOR,
                                         ID_STANDARD_SCALE,
                                         ID_ZOOM_IN,
                                         ID_ZOOM_OUT,
                                         ID_SEPARATOR,
                                         ID_SMOOTH,
                                         ID_SEPARATOR,
                                         ID_UNIVERSAL,
                                         ID_SEPARATOR,
                                         ID_DISPLAY_COLOR,
                                         ID_SEPARATOR,
                                         ID_VIEW_TOOLBAR,
                                         ID_VIEW_STATUS_BAR};
    EXPECT_EQ(CommandIds(view.items), anExpected);
    ASSERT_GE(view.items.size(), 2u);
    EXPECT_EQ(view.items[0].strText, "波形表示");
    EXPECT_EQ(CommandIds(view.items[0].items),
              (std::vector<int>{ID_LAYOUT_FULL, ID_LAYOUT_6X2, ID_LAYOUT_3X4, ID_LAYOUT_PAGE}));
    EXPECT_EQ(view.items[1].strText, "表示感度");
    EXPECT_EQ(CommandText(view.items[1].items, ID_SENSITIVITY_HALF), "感度×0.5\tCtrl+0");
    // The menu names the zoom-out key as it was always written; the key itself is Alt+X.
    EXPECT_EQ(CommandText(view.items, ID_ZOOM_OUT), "ズームアウト\tAtl+X");
}

TEST(BuiltInResources, InPlaceViewMenuDiffers) {
    const MenuItem* pView = FindPopup(BuiltIn().FindMenu(IDR_SRVR_INPLACE)->items, "表示(&V)");
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(CommandIds(pView->items[0].items),
              (std::vector<int>{ID_LAYOUT_FULL, ID_LAYOUT_6X2, ID_LAYOUT_3X4}));
    EXPECT_EQ(CommandText(pView->items[0].items, ID_LAYOUT_FULL), "標準１２誘導");
    EXPECT_EQ(CommandText(pView->items, ID_ECG_VIEW), "心電計表示");
    EXPECT_EQ(CommandText(pView->items, ID_SMOOTH), "<missing>");
    EXPECT_EQ(CommandText(pView->items, ID_VIEW_STATUS_BAR), "<missing>");
}

TEST(BuiltInResources, WaveInfoIsTheSecondHelpItem) {
    for (const int nMenu : {IDR_MAINFRAME, IDR_SRVR_INPLACE}) {
        const MenuItem* pHelp = FindPopup(BuiltIn().FindMenu(nMenu)->items, "ﾍﾙﾌﾟ(&H)");
        ASSERT_NE(pHelp, nullptr);
        ASSERT_EQ(pHelp->items.size(), 2u);
        EXPECT_EQ(pHelp->items[1].nId, ID_WAVE_INFO);
        EXPECT_EQ(pHelp->items[1].strText, "波形ﾃﾞｰﾀのﾊﾞｰｼﾞｮﾝ情報...");
    }
}

TEST(BuiltInResources, DetailWindowMenu) {
    const MenuResource* pMenu = BuiltIn().FindMenu(IDR_DETAIL_WAVE);
    ASSERT_NE(pMenu, nullptr);
    ASSERT_EQ(pMenu->items.size(), 2u);
    EXPECT_EQ(pMenu->items[0].strText, "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(CommandIds(pMenu->items[0].items), (std::vector<int>{ID_SEPARATOR, ID_DETAIL_CLOSE}));
    EXPECT_EQ(CommandText(pMenu->items[0].items, ID_DETAIL_CLOSE), "ウインドウを閉じる(&W)");
    EXPECT_EQ(CommandText(pMenu->items[1].items, ID_DETAIL_MEASURE_INTERVAL), "間隔\tAlt+2");
    EXPECT_EQ(BuiltIn().FindDialog(IDD_DETAIL_WAVE)->strCaption, "詳細波形");
    EXPECT_EQ(BuiltIn().FindDialog(IDD_DETAIL_WAVE)->nMenu, IDR_DETAIL_WAVE);
}

TEST(BuiltInResources, MainToolBarOrder) {
    const std::vector<int> anExpected = {
        ID_FILE_OPEN,       ID_FILE_SAVE,      ID_SEPARATOR,        ID_EDIT_CUT,     ID_EDIT_COPY,
        ID_EDIT_PASTE,      ID_SEPARATOR,      ID_FILE_PRINT,       ID_SEPARATOR,    ID_DISPLAY_SWITCH,
        ID_ECG_VIEW_BUTTON, ID_MEASURE_VALUE,  ID_MEASURE_INTERVAL, ID_MOUSE_SCROLL, ID_HIGH_CUT_FILTER,
        ID_SEPARATOR,       ID_STANDARD_SCALE, ID_ZOOM_IN,          ID_ZOOM_OUT,     ID_SEPARATOR,
        ID_APP_ABOUT};
    EXPECT_EQ(BuiltIn().FindToolBar(IDR_MAINFRAME)->anButtons, anExpected);
    const std::vector<int> anInPlace(anExpected.begin() + 3, anExpected.end());
    EXPECT_EQ(BuiltIn().FindToolBar(IDR_SRVR_INPLACE)->anButtons, anInPlace);
}

int CommandOfKeys(int nTable, const std::string& strKeys) {
    for (const Accelerator& accel : BuiltIn().FindAccelerators(nTable)->entries) {
        if (accel.strKeys == strKeys) {
            return accel.nCmd;
        }
    }
    return 0;
}

TEST(BuiltInResources, Accelerators) {
    EXPECT_EQ(CommandOfKeys(IDR_MAINFRAME, "Alt+X"), ID_ZOOM_OUT);
    EXPECT_EQ(CommandOfKeys(IDR_MAINFRAME, "Ctrl+0"), ID_SENSITIVITY_HALF);
    EXPECT_EQ(CommandOfKeys(IDR_MAINFRAME, "Esc"), ID_CANCEL_EDIT_CNTR);
    EXPECT_EQ(CommandOfKeys(IDR_CNTR_INPLACE, "Esc"), ID_CANCEL_EDIT_CNTR);
    EXPECT_EQ(CommandOfKeys(IDR_SRVR_EMBEDDED, "Esc"), ID_CANCEL_EDIT_CNTR);
    EXPECT_EQ(CommandOfKeys(IDR_SRVR_INPLACE, "Esc"), ID_CANCEL_EDIT_SRVR);
    EXPECT_EQ(CommandOfKeys(IDR_MAINFRAME, "Ctrl+P"), ID_FILE_PRINT);
}

TEST(BuiltInResources, WaveInfoDialogTemplate) {
    const DialogTemplate* pDialog = BuiltIn().FindDialog(IDD_WAVE_INFO);
    ASSERT_NE(pDialog, nullptr);
    EXPECT_EQ(pDialog->strCaption, "");
    EXPECT_EQ(pDialog->cx, 271);
    EXPECT_EQ(pDialog->cy, 164);
    EXPECT_EQ(pDialog->strFontFace, "ＭＳ Ｐゴシック");
    EXPECT_EQ(pDialog->nFontPoints, 9);
    const DialogControl* pSerial = pDialog->FindControl(IDC_INFO_SERIAL);
    ASSERT_NE(pSerial, nullptr);
    EXPECT_EQ(std::vector<int>({pSerial->x, pSerial->y, pSerial->cx, pSerial->cy}),
              std::vector<int>({71, 80, 115, 13}));
    EXPECT_TRUE(pSerial->nStyle & CTL_READ_ONLY);
    EXPECT_EQ(pDialog->FindControl(IDC_INFO_MODEL_LABEL)->strText, "機　種");
    EXPECT_TRUE(pDialog->FindControl(IDC_INFO_VERSION)->nStyle & CTL_ALIGN_CENTER);
    EXPECT_TRUE(pDialog->FindControl(IDC_INFO_COMMENT)->nStyle & CTL_MULTILINE);
    EXPECT_EQ(pDialog->FindControl(IDCLOSE)->strText, "閉じる");
}

TEST(BuiltInResources, ColorDialogTemplate) {
    const DialogTemplate* pDialog = BuiltIn().FindDialog(IDD_COLOR_SET);
    ASSERT_NE(pDialog, nullptr);
    EXPECT_EQ(pDialog->cx, 283);
    EXPECT_EQ(pDialog->cy, 100);
    EXPECT_TRUE(pDialog->FindControl(IDC_COLOR_ECG_CHOOSE)->nStyle & CTL_DISABLED);
    EXPECT_FALSE(pDialog->FindControl(IDC_COLOR_UNI_CHOOSE)->nStyle & CTL_DISABLED);
    EXPECT_EQ(pDialog->FindControl(IDC_COLOR_UNI_BACK)->astrItems,
              (std::vector<std::string>{"Orange ( 1mm Scale )", "Green ( 1mm Scale )", "Gray ( 1mm Scale )",
                                        "Black ( 1mm Scale )", "Black ( 5mm Scale )"}));
    EXPECT_EQ(pDialog->FindControl(IDC_COLOR_ECG_BACK)->astrItems.size(), 4u);
    EXPECT_EQ(pDialog->FindControl(IDCANCEL)->strText, "ｷｬﾝｾﾙ");
}

TEST(BuiltInResources, AboutDialogTemplate) {
    const DialogTemplate* pDialog = BuiltIn().FindDialog(IDD_ABOUTBOX);
    ASSERT_NE(pDialog, nullptr);
    EXPECT_EQ(pDialog->strCaption, "Zelvoのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(pDialog->FindControl(IDC_ABOUT_VERSION)->strText, "Zelvo Version 2.0.0β");
    EXPECT_EQ(pDialog->FindControl(IDOK)->x, 178);
    EXPECT_EQ(pDialog->FindControl(IDC_STATIC)->nImageId, IDR_MAINFRAME);
}

} // namespace
