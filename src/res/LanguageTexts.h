#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

// Popup menu titles, by role.
enum class EPopupText {
    File,
    Edit,
    View,
    Help,
    Waveform,
    Sensitivity,
};

// Everything one language says. The shape of the menus and dialogs is the same in every
// language (CResourceLayout); only these texts differ.
struct LanguageTexts {
    unsigned nLanguage = 0;
    std::map<unsigned, std::string> strings;                // the string table
    std::map<int, std::string> commands;                    // menu item text by command id
    std::map<int, std::string> inPlaceCommands;             // in-place server menu texts that differ
    std::map<EPopupText, std::string> popups;               // popup titles
    std::map<std::pair<int, int>, std::string> dialogTexts; // (dialog, control); control 0: caption
    std::map<std::pair<int, int>, std::vector<std::string>> listItems; // (dialog, control)
};

const LanguageTexts& JapaneseTexts();
const LanguageTexts& ChineseTexts();
const LanguageTexts& EnglishTexts();
