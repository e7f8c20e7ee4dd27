#pragma once

#include "res/Resource.h"

#include <span>

// The result the close command ends the modal loop with; Enter and Esc end it with IDOK and IDCANCEL.
constexpr int DETAIL_CLOSE_RESULT = 5;

// The detail window's caption and its menu 152.
constexpr const char* g_pszDetailCaption = "詳細波形";

struct SDetailMenuItem {
    int nId; // 0 for a separator
    const char* pszText;
};

struct SDetailMenuPopup {
    const char* pszText;
    std::span<const SDetailMenuItem> aItems;
};

std::span<const SDetailMenuPopup> GetDetailWaveMenu();
