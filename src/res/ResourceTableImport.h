#pragma once

#include "res/CResourceSet.h"
#include "res/QuarnelResourceAbi.h"

#include <optional>

// The resource set a library's flat tables describe; nothing when the tables are of another
// interface version or malformed (a popup without its end, a negative count).
std::optional<CResourceSet> ImportResourceTable(const QrResourceTable& table);
