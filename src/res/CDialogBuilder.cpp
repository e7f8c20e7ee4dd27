#include "res/CDialogBuilder.h"

#include "res/Resource.h"

namespace {

constexpr const char* g_szDialogFont = "ＭＳ Ｐゴシック";
constexpr int g_nDialogFontPoints = 9;
constexpr int g_nCaptionKey = 0;
constexpr int g_nIconSize = 20;

} // namespace

CDialogBuilder::CDialogBuilder(const LanguageTexts& texts, int nDialogId, int cx, int cy, unsigned nStyle)
    : m_texts(texts) {
    m_dialog.nId = nDialogId;
    m_dialog.strCaption = Text(g_nCaptionKey);
    m_dialog.nStyle = nStyle;
    m_dialog.cx = cx;
    m_dialog.cy = cy;
    m_dialog.strFontFace = g_szDialogFont;
    m_dialog.nFontPoints = g_nDialogFontPoints;
}

CDialogBuilder& CDialogBuilder::Add(int nId, EControlClass eClass, unsigned nStyle, int x, int y, int cx,
                                    int cy) {
    DialogControl control{nId, eClass, nStyle, Text(nId), x, y, cx, cy, {}, 0};
    const auto items = m_texts.listItems.find({m_dialog.nId, nId});
    if (items != m_texts.listItems.end()) {
        control.astrItems = items->second;
    }
    m_dialog.controls.push_back(std::move(control));
    return *this;
}

CDialogBuilder& CDialogBuilder::AddIcon(int nImageId, int x, int y) {
    m_dialog.controls.push_back(
        DialogControl{IDC_STATIC, EControlClass::Icon, 0, {}, x, y, g_nIconSize, g_nIconSize, {}, nImageId});
    return *this;
}

CDialogBuilder& CDialogBuilder::SetMenu(int nMenu) {
    m_dialog.nMenu = nMenu;
    return *this;
}

std::string CDialogBuilder::Text(int nControlId) const {
    const auto it = m_texts.dialogTexts.find({m_dialog.nId, nControlId});
    return it == m_texts.dialogTexts.end() ? std::string() : it->second;
}
