#include "res/CLanguageLibrary.h"

#include "res/ResourceTableImport.h"

#include <dlfcn.h>

std::optional<CResourceSet> CLanguageLibrary::Load(const std::string& strPath) {
    void* hLibrary = dlopen(strPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (hLibrary == nullptr) {
        return std::nullopt;
    }
    const auto pfnGetTable = reinterpret_cast<QrGetTableFn>(dlsym(hLibrary, QUARNEL_RESOURCE_ENTRY));
    const QrResourceTable* pTable = pfnGetTable == nullptr ? nullptr : pfnGetTable();
    if (pTable == nullptr) {
        return std::nullopt;
    }
    return ImportResourceTable(*pTable);
}
