#pragma once

#include <string>
#include <vector>

// The resources the program asks for by id, as plain values: the same shapes come from the
// built-in (Japanese) set and from a loaded language library.

enum class EMenuItemKind { Command, Separator, Popup };

// One menu entry. A command's text may hold a tab: the part after it names the accelerator
// ("開く(&O)...\tCtrl+O"); '&' marks the mnemonic letter.
struct MenuItem {
    EMenuItemKind eKind = EMenuItemKind::Command;
    int nId = 0;
    std::string strText;
    std::vector<MenuItem> items; // the entries of a popup

    bool operator==(const MenuItem&) const = default;
};

// A menu bar: its top-level entries are popups.
struct MenuResource {
    int nId = 0;
    std::vector<MenuItem> items;

    bool operator==(const MenuResource&) const = default;
};

// A key that runs a command. The key is written in portable text ("Ctrl+N", "Alt+1", "Esc"),
// which a key-sequence parser reads directly.
struct Accelerator {
    std::string strKeys;
    int nCmd = 0;

    bool operator==(const Accelerator&) const = default;
};

struct AcceleratorTable {
    int nId = 0;
    std::vector<Accelerator> entries;

    bool operator==(const AcceleratorTable&) const = default;
};

// The command ids of a toolbar's buttons in order; ID_SEPARATOR (0) is a gap.
struct ToolBarResource {
    int nId = 0;
    int cxButton = 16;
    int cyButton = 15;
    std::vector<int> anButtons;

    bool operator==(const ToolBarResource&) const = default;
};

enum class EControlClass { PushButton, Static, Edit, ComboBox, GroupBox, Icon };

// Control style bits of a dialog template.
enum : unsigned {
    CTL_DEFAULT_BUTTON = 1u << 0,
    CTL_DISABLED = 1u << 1,
    CTL_READ_ONLY = 1u << 2,
    CTL_ALIGN_CENTER = 1u << 3,
    CTL_ALIGN_RIGHT = 1u << 4,
    CTL_MULTILINE = 1u << 5,
    CTL_BORDER = 1u << 6,
    CTL_VSCROLL = 1u << 7,
    CTL_DROPDOWN_LIST = 1u << 8,
};

// One control of a dialog template. The rectangle is in dialog units: x and cx in quarters,
// y and cy in eighths of the dialog font's average character size.
struct DialogControl {
    int nId = 0;
    EControlClass eClass = EControlClass::Static;
    unsigned nStyle = 0;
    std::string strText;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::vector<std::string> astrItems; // initial list items of a combo box, in order
    int nImageId = 0;                   // the icon resource of an Icon control

    bool operator==(const DialogControl&) const = default;
};

// Dialog style bits.
enum : unsigned {
    DLG_SYSMENU = 1u << 0,
    DLG_RESIZABLE = 1u << 1,
    DLG_HSCROLL = 1u << 2,
    DLG_CENTER = 1u << 3,
};

struct DialogTemplate {
    int nId = 0;
    std::string strCaption;
    unsigned nStyle = DLG_SYSMENU;
    int cx = 0;
    int cy = 0;
    std::string strFontFace;
    int nFontPoints = 9;
    int nMenu = 0; // menu resource of the dialog's own menu bar, 0 for none
    std::vector<DialogControl> controls;

    bool operator==(const DialogTemplate&) const = default;
    const DialogControl* FindControl(int nControlId) const {
        for (const DialogControl& control : controls) {
            if (control.nId == nControlId) {
                return &control;
            }
        }
        return nullptr;
    }
};
