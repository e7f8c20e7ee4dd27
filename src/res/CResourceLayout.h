#pragma once

#include "res/CResourceSet.h"
#include "res/LanguageTexts.h"

// Builds a complete resource set from one language's texts: the menus, accelerators, toolbars
// and dialog templates have the same shape in every language.
class CResourceLayout {
public:
    static CResourceSet Build(const LanguageTexts& texts);
};
