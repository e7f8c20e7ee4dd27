#include "res/CMenuLayout.h"

#include "res/Resource.h"

namespace {

template <typename Key> std::string Lookup(const std::map<Key, std::string>& texts, Key key) {
    const auto it = texts.find(key);
    return it == texts.end() ? std::string() : it->second;
}

} // namespace

void CMenuLayout::AddTo(CResourceSet& set) const {
    set.m_menus[IDR_MAINFRAME] = {IDR_MAINFRAME, {FileMenu(), EditMenu(), ViewMenu(), HelpMenu()}};
    set.m_menus[IDR_SRVR_INPLACE] = {IDR_SRVR_INPLACE, {InPlaceEditMenu(), InPlaceViewMenu(), HelpMenu()}};
    set.m_menus[IDR_SRVR_EMBEDDED] = {IDR_SRVR_EMBEDDED,
                                      {EmbeddedFileMenu(), EditMenu(), ViewMenu(), HelpMenu()}};
    set.m_menus[IDR_CNTR_INPLACE] = {IDR_CNTR_INPLACE, {FileMenu()}};
    set.m_menus[IDR_DETAIL_WAVE] = {IDR_DETAIL_WAVE, {DetailFileMenu(), DetailViewMenu()}};
}

MenuItem CMenuLayout::Command(int nId) const {
    return Item(nId, Lookup(m_texts.commands, nId));
}

MenuItem CMenuLayout::InPlaceCommand(int nId) const {
    const auto it = m_texts.inPlaceCommands.find(nId);
    return it == m_texts.inPlaceCommands.end() ? Command(nId) : Item(nId, it->second);
}

MenuItem CMenuLayout::Separator() {
    return MenuItem{EMenuItemKind::Separator, ID_SEPARATOR, {}, {}};
}

MenuItem CMenuLayout::Popup(EPopupText ePopup, std::vector<MenuItem> items) const {
    return MenuItem{EMenuItemKind::Popup, 0, Lookup(m_texts.popups, ePopup), std::move(items)};
}

std::vector<MenuItem> CMenuLayout::Commands(std::initializer_list<int> anIds) const {
    std::vector<MenuItem> items;
    for (const int nId : anIds) {
        items.push_back(Command(nId));
    }
    return items;
}

MenuItem CMenuLayout::FileMenu() const {
    return Popup(EPopupText::File, {Command(ID_FILE_NEW), Command(ID_FILE_OPEN), Command(ID_FILE_SAVE),
                                    Command(ID_FILE_SAVE_AS), Separator(), Command(ID_FILE_PRINT),
                                    Command(ID_FILE_PRINT_PREVIEW), Command(ID_FILE_PRINT_SETUP), Separator(),
                                    Command(ID_FILE_MRU_FILE1), Separator(), Command(ID_APP_EXIT)});
}

MenuItem CMenuLayout::EmbeddedFileMenu() const {
    return Popup(EPopupText::File, {Command(ID_FILE_UPDATE), Command(ID_FILE_SAVE_COPY_AS), Separator(),
                                    Command(ID_FILE_PRINT), Command(ID_FILE_PRINT_PREVIEW),
                                    Command(ID_FILE_PRINT_SETUP), Separator(), Command(ID_APP_EXIT)});
}

MenuItem CMenuLayout::EditMenu() const {
    return Popup(EPopupText::Edit,
                 {Command(ID_EDIT_UNDO), Separator(), Command(ID_EDIT_CUT), Command(ID_EDIT_COPY),
                  Command(ID_EDIT_PASTE), Command(ID_EDIT_PASTE_SPECIAL), Separator(),
                  Command(ID_OLE_INSERT_NEW), Command(ID_OLE_EDIT_LINKS)});
}

MenuItem CMenuLayout::InPlaceEditMenu() const {
    return Popup(EPopupText::Edit, {Command(ID_EDIT_UNDO), Separator(), Command(ID_EDIT_CUT),
                                    Command(ID_EDIT_COPY), Command(ID_EDIT_PASTE)});
}

MenuItem CMenuLayout::SensitivityMenu() const {
    return Popup(EPopupText::Sensitivity,
                 Commands({ID_SENSITIVITY_HALF, ID_SENSITIVITY_ONE, ID_SENSITIVITY_TWO}));
}

MenuItem CMenuLayout::ViewMenu() const {
    std::vector<MenuItem> items = {
        Popup(EPopupText::Waveform, Commands({ID_LAYOUT_FULL, ID_LAYOUT_6X2, ID_LAYOUT_3X4, ID_LAYOUT_PAGE})),
        SensitivityMenu(), Command(ID_ECG_VIEW)};
    AppendSection(items, {ID_MEASURE_VALUE, ID_MEASURE_INTERVAL, ID_MOUSE_SCROLL});
    AppendSection(items, {ID_STANDARD_SCALE, ID_ZOOM_IN, ID_ZOOM_OUT});
    AppendSection(items, {ID_SMOOTH});
    AppendSection(items, {ID_UNIVERSAL});
    AppendSection(items, {ID_DISPLAY_COLOR});
    AppendSection(items, {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR});
    return Popup(EPopupText::View, std::move(items));
}

MenuItem CMenuLayout::InPlaceViewMenu() const {
    std::vector<MenuItem> items = {
        Popup(EPopupText::Waveform,
              {InPlaceCommand(ID_LAYOUT_FULL), InPlaceCommand(ID_LAYOUT_6X2), InPlaceCommand(ID_LAYOUT_3X4)}),
        SensitivityMenu()};
    AppendSection(items, {ID_MEASURE_VALUE, ID_MEASURE_INTERVAL, ID_MOUSE_SCROLL});
    AppendSection(items, {ID_STANDARD_SCALE, ID_ZOOM_IN, ID_ZOOM_OUT});
    items.push_back(Separator());
    items.push_back(InPlaceCommand(ID_ECG_VIEW));
    AppendSection(items, {ID_UNIVERSAL});
    AppendSection(items, {ID_DISPLAY_COLOR});
    AppendSection(items, {ID_VIEW_TOOLBAR});
    return Popup(EPopupText::View, std::move(items));
}

MenuItem CMenuLayout::HelpMenu() const {
    return Popup(EPopupText::Help, Commands({ID_APP_ABOUT, ID_WAVE_INFO}));
}

MenuItem CMenuLayout::DetailFileMenu() const {
    return Popup(EPopupText::File, {Separator(), Command(ID_DETAIL_CLOSE)});
}

MenuItem CMenuLayout::DetailViewMenu() const {
    return Popup(EPopupText::View, Commands({ID_DETAIL_MEASURE_VALUE, ID_DETAIL_MEASURE_INTERVAL}));
}

MenuItem CMenuLayout::Item(int nId, std::string strText) {
    return MenuItem{EMenuItemKind::Command, nId, std::move(strText), {}};
}

void CMenuLayout::AppendSection(std::vector<MenuItem>& items, std::initializer_list<int> anIds) const {
    items.push_back(Separator());
    for (const int nId : anIds) {
        items.push_back(Command(nId));
    }
}
