#pragma once

#include "res/CResourceSet.h"

#include <optional>
#include <string>

// A language resource library opened with dlopen. It stays mapped for the rest of the run, as
// the program never frees its resource library.
class CLanguageLibrary {
public:
    // The resource set of the library at strPath (a bare name uses the normal library search);
    // nothing when it cannot be opened, lacks the entry point or its tables do not read.
    static std::optional<CResourceSet> Load(const std::string& strPath);
};
