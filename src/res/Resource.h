#pragma once

// Resource identifiers: the same in the built-in resources and in every language library.

// String table.
enum : unsigned {
    IDP_OLE_INIT_FAILED = 100,
    IDS_FILE_OPEN_ERROR = 101,
    IDS_FILE_FORMAT_INVALID = 104,
    IDS_WAVE_INFO_CAPTION = 105, // "%s" takes the file name
    IDS_LAYOUT_FULL = 106,
    IDS_LAYOUT_6X2 = 107,
    IDS_LAYOUT_3X4 = 108,
    IDS_BP_LAYOUT_FULL = 110,
    IDS_BP_LAYOUT_WAVEFORM = 111,
    IDS_BP_LAYOUT_EP = 112,
    IDS_COLOR_SET_CAPTION = 113,
    IDS_COLOR_CHOOSER_TITLE = 114,
    AFX_IDS_APP_TITLE = 57344,
    AFX_IDS_IDLEMESSAGE = 57345,
    AFX_IDP_PARSE_STRING_SIZE = 61716, // "%1" takes the limit
};

// Resources shared by one id: the document template string (string IDR_MAINFRAME, fields
// separated by '\n'), the main menu, accelerators, toolbar and icon; the OLE menus,
// accelerators and in-place toolbar.
enum : int {
    IDR_SRVR_INPLACE = 4,
    IDR_SRVR_EMBEDDED = 5,
    IDR_CNTR_INPLACE = 6,
    IDR_MAINFRAME = 128,
    IDR_DETAIL_WAVE = 152,
};

// Dialog templates.
enum : int {
    IDD_ABOUTBOX = 100,
    IDD_COLOR_SET = 138,
    IDD_WAVE_INFO = 139,
    IDD_DETAIL_WAVE = 140,
};

// Cursors.
enum : int {
    IDC_CURSOR_GRAB = 132,
    IDC_CURSOR_HAND = 133,
    IDC_CURSOR_ZOOM = 134,
    IDC_CURSOR_NO = 136,
    IDC_CURSOR_ARROW = 148,
};

// Controls common to every dialog.
enum : int {
    IDC_STATIC = -1,
    IDCLOSE = 8,
};

// Controls of the about box.
enum : int {
    IDC_ABOUT_VERSION = 1000,
    IDC_ABOUT_NOTE = 1001,
};

// Controls of the waveform-data information dialog.
enum : int {
    IDC_INFO_VERSION = 1000,
    IDC_INFO_MAKER = 1001,
    IDC_INFO_MODEL = 1002,
    IDC_INFO_MODEL_VERSION = 1003,
    IDC_INFO_FILTER = 1004,
    IDC_INFO_COMMENT = 1005,
    IDC_INFO_SERIAL = 1006,
    IDC_INFO_VERSION_LABEL = 1010,
    IDC_INFO_MAKER_LABEL = 1011,
    IDC_INFO_MODEL_LABEL = 1012,
    IDC_INFO_MODEL_VERSION_LABEL = 1013,
    IDC_INFO_SERIAL_LABEL = 1014,
    IDC_INFO_FILTER_LABEL = 1015,
    IDC_INFO_COMMENT_LABEL = 1016,
};

// Controls of the display-colour dialog.
enum : int {
    IDC_COLOR_ECG_WAVE = 1000,
    IDC_COLOR_ECG_BACK = 1001,
    IDC_COLOR_UNI_BACK = 1002,
    IDC_COLOR_UNI_WAVE = 1003,
    IDC_COLOR_ECG_LABEL = 1004,
    IDC_COLOR_UNI_LABEL = 1005,
    IDC_COLOR_ECG_CHOOSE = 1006,
    IDC_COLOR_UNI_CHOOSE = 1007,
    IDC_COLOR_BACK_GROUP = 1008,
    IDC_COLOR_WAVE_GROUP = 1009,
};

// Command identifiers of the menus, toolbars and accelerators; a command's string-table entry
// under the same id holds its status-bar prompt, a line break and its tool tip.
enum : int {
    ID_SEPARATOR = 0,
    ID_CANCEL_EDIT_CNTR = 32768,
    ID_CANCEL_EDIT_SRVR = 32769,
    ID_MEASURE_VALUE = 32771,
    ID_DISPLAY_COLOR = 32772,
    ID_MEASURE_INTERVAL = 32773,
    ID_MOUSE_SCROLL = 32774,
    ID_ZOOM_IN = 32775,
    ID_ZOOM_OUT = 32776,
    ID_ECG_VIEW = 32777,
    ID_LAYOUT_FULL = 32778,
    ID_LAYOUT_6X2 = 32779,
    ID_LAYOUT_3X4 = 32780,
    ID_SENSITIVITY_HALF = 32781,
    ID_SENSITIVITY_ONE = 32782,
    ID_SENSITIVITY_TWO = 32783,
    ID_WAVE_INFO = 32784,
    ID_DISPLAY_SWITCH = 32791,
    ID_STANDARD_SCALE = 32793,
    ID_UNIVERSAL = 32795,
    ID_REMEASURE = 32796,
    ID_SMOOTH = 32798,
    ID_LAYOUT_PAGE = 32799,
    ID_DETAIL_MEASURE_VALUE = 32800,
    ID_DETAIL_MEASURE_INTERVAL = 32801,
    ID_DETAIL_CLOSE = 32802,
    ID_HIGH_CUT_FILTER = 32803,
    ID_ECG_VIEW_BUTTON = 32804,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_UPDATE = 57610,
    ID_FILE_SAVE_COPY_AS = 57611,
    ID_FILE_MRU_FILE1 = 57616,
    ID_FILE_MRU_FILE2 = 57617,
    ID_FILE_MRU_FILE3 = 57618,
    ID_FILE_MRU_FILE4 = 57619,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_PASTE_SPECIAL = 57639,
    ID_EDIT_UNDO = 57643,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_OLE_INSERT_NEW = 57856,
    ID_OLE_EDIT_LINKS = 57857,
    ID_INDICATOR_CAPS = 59137,
    ID_INDICATOR_NUM = 59138,
    ID_INDICATOR_SCRL = 59139,
    ID_INDICATOR_KANA = 59142,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};
