#pragma once

#include <string>

// Resource identifiers of the string table.
enum : unsigned {
    IDS_FILE_OPEN_ERROR = 101,
    IDS_FILE_FORMAT_INVALID = 104,
    IDS_LAYOUT_FULL = 106,
    IDS_LAYOUT_6X2 = 107,
    IDS_LAYOUT_3X4 = 108,
    IDS_BP_LAYOUT_FULL = 110,
    IDS_BP_LAYOUT_WAVEFORM = 111,
    IDS_BP_LAYOUT_EP = 112,
};

// The user-interface texts by resource identifier, in the built-in (Japanese) resources.
class CStringTable {
public:
    // The text of the string, or an empty text for an identifier the table does not have.
    static std::string Load(unsigned nId);
};
