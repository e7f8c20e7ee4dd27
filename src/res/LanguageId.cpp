#include "res/LanguageId.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace {

struct LocaleLanguage {
    std::string_view strPrefix; // language, or language_TERRITORY
    unsigned nLanguageId;
};

// Territory-specific entries come before their bare language so the longer prefix wins.
constexpr std::array g_aLocaleLanguages = {
    LocaleLanguage{"zh_CN", 2052}, LocaleLanguage{"zh_SG", 4100}, LocaleLanguage{"zh_TW", 1028},
    LocaleLanguage{"zh_HK", 3076}, LocaleLanguage{"zh", 2052},    LocaleLanguage{"ja", 1041},
    LocaleLanguage{"en_US", 1033}, LocaleLanguage{"en_GB", 2057}, LocaleLanguage{"en_AU", 3081},
    LocaleLanguage{"en_CA", 4105}, LocaleLanguage{"en", 1033},    LocaleLanguage{"ko", 1042},
    LocaleLanguage{"de", 1031},    LocaleLanguage{"fr", 1036},    LocaleLanguage{"es", 3082},
    LocaleLanguage{"it", 1040},    LocaleLanguage{"pt_BR", 1046}, LocaleLanguage{"pt", 2070},
    LocaleLanguage{"ru", 1049},    LocaleLanguage{"nl", 1043},
};

// The language and territory of "ll_TT.codeset@modifier".
std::string_view LanguageAndTerritory(std::string_view strLocale) {
    return strLocale.substr(0, strLocale.find_first_of(".@"));
}

bool MatchesPrefix(std::string_view strName, std::string_view strPrefix) {
    return strName.substr(0, strPrefix.size()) == strPrefix &&
           (strName.size() == strPrefix.size() || strName[strPrefix.size()] == '_');
}

const char* NonEmptyEnv(const char* pszName) {
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr && *pszValue != '\0' ? pszValue : nullptr;
}

} // namespace

unsigned LanguageIdFromLocale(const std::string& strLocale) {
    const std::string_view strName = LanguageAndTerritory(strLocale);
    for (const LocaleLanguage& entry : g_aLocaleLanguages) {
        if (MatchesPrefix(strName, entry.strPrefix)) {
            return entry.nLanguageId;
        }
    }
    return LANG_ID_ENGLISH_US;
}

unsigned SystemLanguageId() {
    for (const char* pszName : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* pszValue = NonEmptyEnv(pszName)) {
            return LanguageIdFromLocale(pszValue);
        }
    }
    return LANG_ID_ENGLISH_US;
}
