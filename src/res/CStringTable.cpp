#include "res/CStringTable.h"

#include "res/CResources.h"

std::string CStringTable::Load(unsigned nId) {
    return CResources::LoadString(nId);
}
