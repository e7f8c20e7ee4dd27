#pragma once

#include "res/Resource.h"

#include <string>

// The user-interface texts by resource identifier, from the active resources (the built-in
// Japanese ones until a language library is loaded).
class CStringTable {
public:
    // The text of the string, or an empty text for an identifier the table does not have.
    static std::string Load(unsigned nId);
};
