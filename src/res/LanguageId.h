#pragma once

#include <string>

// Windows language identifiers of the languages the resources know.
enum : unsigned {
    LANG_ID_JAPANESE = 1041,
    LANG_ID_CHINESE_PRC = 2052,
    LANG_ID_CHINESE_TAIWAN = 1028,
    LANG_ID_ENGLISH_US = 1033,
};

// The language identifier of a POSIX locale name such as "ja_JP.UTF-8" or "zh_CN";
// English (United States) for "C", "POSIX", an empty name and anything unknown.
unsigned LanguageIdFromLocale(const std::string& strLocale);

// The identifier of the user's locale: LC_ALL, then LC_MESSAGES, then LANG.
unsigned SystemLanguageId();
