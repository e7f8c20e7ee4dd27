#include "res/CResourceLayout.h"
#include "res/CResourceTableExport.h"

// Each language library is this file built with QUARNEL_RESOURCE_TEXTS naming its texts.
extern "C" __attribute__((visibility("default"))) const QrResourceTable* QuarnelResource_GetTable(void) {
    static const CResourceTableExport table(CResourceLayout::Build(QUARNEL_RESOURCE_TEXTS()));
    return table.GetTable();
}
