#include "res/CResources.h"

#include "platform/IUserPrompt.h"
#include "res/CLanguageLibrary.h"
#include "res/CResourceLayout.h"
#include "res/LanguageId.h"
#include "res/Resource.h"

#include <filesystem>
#include <optional>

namespace {

constexpr const char* g_szLoadErrorSuffix = "  Load Error !";

std::optional<CResourceSet>& LibrarySet() {
    static std::optional<CResourceSet> set;
    return set;
}

const CResourceSet*& ActiveSet() {
    static const CResourceSet* pSet = &CResources::BuiltIn();
    return pSet;
}

std::string ProgramDirectory() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

std::optional<CResourceSet> LoadFromDirectoryOrSearch(const std::string& strName,
                                                      const std::string& strDirectory) {
    if (!strDirectory.empty()) {
        if (auto set = CLanguageLibrary::Load((std::filesystem::path(strDirectory) / strName).string())) {
            return set;
        }
    }
    return CLanguageLibrary::Load(strName);
}

} // namespace

std::string CResources::LoadString(unsigned nId) {
    const std::string* pText = Active().FindString(nId);
    return pText == nullptr ? std::string() : *pText;
}

const MenuResource* CResources::LoadMenu(int nId) {
    return Active().FindMenu(nId);
}
const AcceleratorTable* CResources::LoadAccelerators(int nId) {
    return Active().FindAccelerators(nId);
}
const ToolBarResource* CResources::LoadToolBar(int nId) {
    return Active().FindToolBar(nId);
}
const DialogTemplate* CResources::LoadDialog(int nId) {
    return Active().FindDialog(nId);
}

const CResourceSet& CResources::Active() {
    return *ActiveSet();
}

const CResourceSet& CResources::BuiltIn() {
    static const CResourceSet set = CResourceLayout::Build(JapaneseTexts());
    return set;
}

std::string CResources::LibraryNameForLanguage(unsigned nLanguageId) {
    switch (nLanguageId) {
    case LANG_ID_JAPANESE:
        return "QuarnelResource_JPN.DLL";
    case LANG_ID_CHINESE_PRC:
        return "QuarnelResource_CHN.DLL";
    default:
        return "QuarnelResource_ENG.DLL";
    }
}

bool CResources::LoadLanguageLibrary(unsigned nLanguageId, IUserPrompt& prompt,
                                     const std::string& strDirectory) {
    const std::string strName = LibraryNameForLanguage(nLanguageId);
    std::optional<CResourceSet> set = LoadFromDirectoryOrSearch(strName, strDirectory);
    UseBuiltIn();
    if (!set) {
        prompt.MessageBox(strName + g_szLoadErrorSuffix, *BuiltIn().FindString(AFX_IDS_APP_TITLE), MB_OK);
        return false;
    }
    LibrarySet() = std::move(set);
    ActiveSet() = &*LibrarySet();
    return true;
}

bool CResources::LoadLanguageLibrary(unsigned nLanguageId, IUserPrompt& prompt) {
    return LoadLanguageLibrary(nLanguageId, prompt, ProgramDirectory());
}

void CResources::UseBuiltIn() {
    ActiveSet() = &BuiltIn();
}
