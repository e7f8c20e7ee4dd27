#include "mfer/MferEventLabels.h"

namespace {

struct EventLabel {
    int16_t wCode;
    const char* pszLabel;
};

constexpr EventLabel g_aEventLabels[] = {
    {136, "N"},  {272, "N"},    {860, "V"}, {19264, "V"}, {920, "S"},  {18752, "S"},
    {844, "Vf"}, {18892, "Vf"}, {128, "?"}, {130, "?"},   {1536, "?"},
};

} // namespace

const char* GetMferEventLabel(int16_t wCode) {
    for (const EventLabel& label : g_aEventLabels)
        if (label.wCode == wCode)
            return label.pszLabel;
    return nullptr;
}
