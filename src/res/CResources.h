#pragma once

#include "res/CResourceSet.h"

#include <string>

class IUserPrompt;

// The resource set the program uses: the built-in Japanese set until a language library has
// been loaded, that library's set from then on. Every part of the program asks here.
class CResources {
public:
    // Lookups in the active set. A missing string reads as an empty text; the others give null.
    static std::string LoadString(unsigned nId);
    static const MenuResource* LoadMenu(int nId);
    static const AcceleratorTable* LoadAccelerators(int nId);
    static const ToolBarResource* LoadToolBar(int nId);
    static const DialogTemplate* LoadDialog(int nId);

    static const CResourceSet& Active();
    static const CResourceSet& BuiltIn();

    // Start-up: picks the library for the language ("QuarnelResource_JPN.DLL" for 1041,
    // "QuarnelResource_CHN.DLL" for 2052, "QuarnelResource_ENG.DLL" otherwise) and loads it from
    // strDirectory first, then by the normal library search. On failure tells the user
    // "<name>  Load Error !" and keeps the built-in set. True when the library serves from now on.
    static bool LoadLanguageLibrary(unsigned nLanguageId, IUserPrompt& prompt,
                                    const std::string& strDirectory);
    // The same, from the directory of the running program.
    static bool LoadLanguageLibrary(unsigned nLanguageId, IUserPrompt& prompt);

    static std::string LibraryNameForLanguage(unsigned nLanguageId);
    // Back to the built-in set (a loaded library stays mapped).
    static void UseBuiltIn();
};
