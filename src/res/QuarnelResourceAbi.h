#pragma once

// The C interface of a language library (QuarnelResource_*.DLL). The library exports one
// function, QUARNEL_RESOURCE_ENTRY, returning its whole resource set as flat tables that live
// as long as the library stays loaded. Texts are UTF-8.

#ifdef __cplusplus
extern "C" {
#endif

#define QUARNEL_RESOURCE_ENTRY "QuarnelResource_GetTable"
#define QUARNEL_RESOURCE_ABI_VERSION 1u

typedef struct {
    unsigned nId;
    const char* pszText;
} QrString;

// Menus are one flat list: a popup's entries follow its QR_MENU_POPUP entry up to the
// matching QR_MENU_END.
enum { QR_MENU_COMMAND = 0, QR_MENU_SEPARATOR = 1, QR_MENU_POPUP = 2, QR_MENU_END = 3 };

typedef struct {
    int nKind;
    int nId;
    const char* pszText;
} QrMenuEntry;

typedef struct {
    int nId;
    const QrMenuEntry* pEntries;
    int nEntries;
} QrMenu;

typedef struct {
    const char* pszKeys;
    int nCmd;
} QrAccelerator;

typedef struct {
    int nId;
    const QrAccelerator* pEntries;
    int nEntries;
} QrAcceleratorTable;

typedef struct {
    int nId;
    int cxButton;
    int cyButton;
    const int* pnButtons;
    int nButtons;
} QrToolBar;

// nClass and nStyle take the values of EControlClass and the CTL_ bits; pszItems holds a
// combo box's items, each ended by '\n'.
typedef struct {
    int nId;
    int nClass;
    unsigned nStyle;
    const char* pszText;
    int x, y, cx, cy;
    const char* pszItems;
    int nImageId;
} QrControl;

typedef struct {
    int nId;
    const char* pszCaption;
    unsigned nStyle;
    int cx, cy;
    const char* pszFontFace;
    int nFontPoints;
    int nMenu;
    const QrControl* pControls;
    int nControls;
} QrDialog;

typedef struct {
    unsigned nAbiVersion;
    unsigned nLanguage;
    const QrString* pStrings;
    int nStrings;
    const QrMenu* pMenus;
    int nMenus;
    const QrAcceleratorTable* pAcceleratorTables;
    int nAcceleratorTables;
    const QrToolBar* pToolBars;
    int nToolBars;
    const QrDialog* pDialogs;
    int nDialogs;
} QrResourceTable;

typedef const QrResourceTable* (*QrGetTableFn)(void);

#ifdef __cplusplus
}
#endif
