#include "res/CResourceLayout.h"

#include "platform/IUserPrompt.h"
#include "res/CDialogBuilder.h"
#include "res/CMenuLayout.h"
#include "res/Resource.h"

#include <initializer_list>

namespace {

// The view's keys, served wherever the view's menu is.
const std::initializer_list<Accelerator> g_aViewKeys = {
    {"Ctrl+0", ID_SENSITIVITY_HALF}, {"Ctrl+1", ID_SENSITIVITY_ONE}, {"Ctrl+2", ID_SENSITIVITY_TWO},
    {"Alt+1", ID_MEASURE_VALUE},     {"Alt+2", ID_MEASURE_INTERVAL}, {"Alt+Z", ID_ZOOM_IN},
    {"Alt+X", ID_ZOOM_OUT},
};
const std::initializer_list<Accelerator> g_aEditKeys = {
    {"Ctrl+Z", ID_EDIT_UNDO},   {"Ctrl+X", ID_EDIT_CUT},         {"Ctrl+C", ID_EDIT_COPY},
    {"Ctrl+V", ID_EDIT_PASTE},  {"Alt+Backspace", ID_EDIT_UNDO}, {"Shift+Del", ID_EDIT_CUT},
    {"Ctrl+Ins", ID_EDIT_COPY}, {"Shift+Ins", ID_EDIT_PASTE},
};
const std::initializer_list<Accelerator> g_aFileKeys = {
    {"Ctrl+N", ID_FILE_NEW},
    {"Ctrl+O", ID_FILE_OPEN},
    {"Ctrl+S", ID_FILE_SAVE},
    {"Ctrl+P", ID_FILE_PRINT},
};
const std::initializer_list<Accelerator> g_aEmbeddedFileKeys = {
    {"Ctrl+S", ID_FILE_UPDATE},
    {"Ctrl+P", ID_FILE_PRINT},
};

// The waveform buttons, shared by the main and the in-place toolbar.
const std::initializer_list<int> g_anEditAndWaveButtons = {
    ID_EDIT_CUT,     ID_EDIT_COPY,       ID_EDIT_PASTE,      ID_SEPARATOR,      ID_FILE_PRINT,
    ID_SEPARATOR,    ID_DISPLAY_SWITCH,  ID_ECG_VIEW_BUTTON, ID_MEASURE_VALUE,  ID_MEASURE_INTERVAL,
    ID_MOUSE_SCROLL, ID_HIGH_CUT_FILTER, ID_SEPARATOR,       ID_STANDARD_SCALE, ID_ZOOM_IN,
    ID_ZOOM_OUT,     ID_SEPARATOR,       ID_APP_ABOUT,
};

AcceleratorTable MakeAccelerators(int nId, std::initializer_list<std::initializer_list<Accelerator>> groups) {
    AcceleratorTable table{nId, {}};
    for (const auto& group : groups) {
        table.entries.insert(table.entries.end(), group.begin(), group.end());
    }
    return table;
}

void AddAccelerators(CResourceSet& set) {
    const std::initializer_list<Accelerator> cancelContainer = {{"Esc", ID_CANCEL_EDIT_CNTR}};
    const std::initializer_list<Accelerator> cancelServer = {{"Esc", ID_CANCEL_EDIT_SRVR}};
    set.m_accelerators[IDR_MAINFRAME] =
        MakeAccelerators(IDR_MAINFRAME, {g_aFileKeys, g_aEditKeys, cancelContainer, g_aViewKeys});
    set.m_accelerators[IDR_SRVR_INPLACE] =
        MakeAccelerators(IDR_SRVR_INPLACE, {g_aEditKeys, cancelServer, g_aViewKeys});
    set.m_accelerators[IDR_SRVR_EMBEDDED] =
        MakeAccelerators(IDR_SRVR_EMBEDDED, {g_aEmbeddedFileKeys, g_aEditKeys, cancelContainer, g_aViewKeys});
    set.m_accelerators[IDR_CNTR_INPLACE] =
        MakeAccelerators(IDR_CNTR_INPLACE, {g_aFileKeys, cancelContainer, g_aViewKeys});
}

void AddToolBars(CResourceSet& set) {
    ToolBarResource main{IDR_MAINFRAME, 16, 15, {ID_FILE_OPEN, ID_FILE_SAVE, ID_SEPARATOR}};
    main.anButtons.insert(main.anButtons.end(), g_anEditAndWaveButtons);
    set.m_toolBars[IDR_MAINFRAME] = main;
    set.m_toolBars[IDR_SRVR_INPLACE] = {IDR_SRVR_INPLACE, 16, 15, g_anEditAndWaveButtons};
}

constexpr auto g_eButton = EControlClass::PushButton;
constexpr auto g_eStatic = EControlClass::Static;
constexpr auto g_eEdit = EControlClass::Edit;
constexpr auto g_eCombo = EControlClass::ComboBox;
constexpr auto g_eGroup = EControlClass::GroupBox;
constexpr unsigned g_nReadOnlyEdit = CTL_READ_ONLY | CTL_BORDER;
constexpr unsigned g_nDropDownList = CTL_DROPDOWN_LIST | CTL_VSCROLL;

DialogTemplate AboutDialog(const LanguageTexts& texts) {
    return CDialogBuilder(texts, IDD_ABOUTBOX, 235, 55, DLG_SYSMENU)
        .AddIcon(IDR_MAINFRAME, 11, 17)
        .Add(IDC_ABOUT_VERSION, g_eStatic, 0, 40, 10, 119, 8)
        .Add(IDC_ABOUT_NOTE, g_eStatic, 0, 40, 25, 119, 8)
        .Add(IDOK, g_eButton, CTL_DEFAULT_BUTTON, 178, 7, 50, 14)
        .Done();
}

DialogTemplate ColorSetDialog(const LanguageTexts& texts) {
    return CDialogBuilder(texts, IDD_COLOR_SET, 283, 100, DLG_SYSMENU)
        .Add(IDC_COLOR_ECG_LABEL, g_eStatic, 0, 18, 21, 50, 8)
        .Add(IDC_COLOR_UNI_LABEL, g_eStatic, 0, 18, 42, 50, 8)
        .Add(IDC_COLOR_BACK_GROUP, g_eGroup, 0, 70, 7, 94, 54)
        .Add(IDC_COLOR_ECG_BACK, g_eCombo, g_nDropDownList, 74, 19, 86, 70)
        .Add(IDC_COLOR_UNI_BACK, g_eCombo, g_nDropDownList, 74, 40, 86, 70)
        .Add(IDC_COLOR_WAVE_GROUP, g_eGroup, 0, 170, 7, 101, 53)
        .Add(IDC_COLOR_ECG_WAVE, g_eEdit, CTL_BORDER, 179, 19, 36, 12)
        .Add(IDC_COLOR_UNI_WAVE, g_eEdit, CTL_BORDER, 179, 41, 36, 12)
        .Add(IDC_COLOR_ECG_CHOOSE, g_eButton, CTL_DISABLED, 221, 18, 38, 14)
        .Add(IDC_COLOR_UNI_CHOOSE, g_eButton, 0, 221, 40, 38, 14)
        .Add(IDOK, g_eButton, CTL_DEFAULT_BUTTON, 160, 79, 50, 14)
        .Add(IDCANCEL, g_eButton, 0, 218, 79, 50, 14)
        .Done();
}

DialogTemplate WaveInfoDialog(const LanguageTexts& texts) {
    CDialogBuilder dialog(texts, IDD_WAVE_INFO, 271, 164, DLG_SYSMENU);
    dialog.Add(IDCLOSE, g_eButton, CTL_DEFAULT_BUTTON, 212, 143, 50, 14)
        .Add(IDC_INFO_VERSION_LABEL, g_eStatic, CTL_ALIGN_RIGHT, 14, 12, 46, 13)
        .Add(IDC_INFO_VERSION, g_eEdit, g_nReadOnlyEdit | CTL_ALIGN_CENTER, 71, 12, 28, 13)
        .Add(IDC_INFO_MAKER_LABEL, g_eStatic, 0, 14, 29, 46, 13)
        .Add(IDC_INFO_MAKER, g_eEdit, g_nReadOnlyEdit, 71, 29, 115, 13)
        .Add(IDC_INFO_MODEL_LABEL, g_eStatic, 0, 14, 46, 46, 13)
        .Add(IDC_INFO_MODEL, g_eEdit, g_nReadOnlyEdit, 71, 46, 115, 13)
        .Add(IDC_INFO_MODEL_VERSION_LABEL, g_eStatic, 0, 14, 63, 46, 13)
        .Add(IDC_INFO_MODEL_VERSION, g_eEdit, g_nReadOnlyEdit, 71, 63, 115, 13)
        .Add(IDC_INFO_SERIAL_LABEL, g_eStatic, 0, 14, 83, 46, 8)
        .Add(IDC_INFO_SERIAL, g_eEdit, g_nReadOnlyEdit, 71, 80, 115, 13)
        .Add(IDC_INFO_FILTER_LABEL, g_eStatic, 0, 14, 97, 46, 13)
        .Add(IDC_INFO_FILTER, g_eEdit, g_nReadOnlyEdit, 71, 97, 115, 13)
        .Add(IDC_INFO_COMMENT_LABEL, g_eStatic, 0, 14, 114, 46, 13)
        .Add(IDC_INFO_COMMENT, g_eEdit, g_nReadOnlyEdit | CTL_MULTILINE, 71, 114, 177, 13);
    return dialog.Done();
}

DialogTemplate DetailWaveDialog(const LanguageTexts& texts) {
    return CDialogBuilder(texts, IDD_DETAIL_WAVE, 333, 234,
                          DLG_SYSMENU | DLG_RESIZABLE | DLG_HSCROLL | DLG_CENTER)
        .SetMenu(IDR_DETAIL_WAVE)
        .Done();
}

void AddDialogs(CResourceSet& set, const LanguageTexts& texts) {
    for (DialogTemplate dialog :
         {AboutDialog(texts), ColorSetDialog(texts), WaveInfoDialog(texts), DetailWaveDialog(texts)}) {
        set.m_dialogs[dialog.nId] = std::move(dialog);
    }
}

} // namespace

CResourceSet CResourceLayout::Build(const LanguageTexts& texts) {
    CResourceSet set;
    set.m_nLanguage = texts.nLanguage;
    set.m_strings = texts.strings;
    CMenuLayout(texts).AddTo(set);
    AddAccelerators(set);
    AddToolBars(set);
    AddDialogs(set, texts);
    return set;
}
