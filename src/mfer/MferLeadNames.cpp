#include "mfer/MferLeadNames.h"

namespace {

struct LeadName {
    uint16_t wLeadCode;
    const char* pszName;
};

constexpr LeadName g_aLeadNames[] = {
    {1, "I"},  {2, "II"}, {3, "V1"},   {4, "V2"},   {5, "V3"},   {6, "V4"},
    {7, "V5"}, {8, "V6"}, {61, "III"}, {62, "aVR"}, {63, "aVL"}, {64, "aVF"},
};

} // namespace

const char* GetMferLeadName(uint16_t wLeadCode) {
    for (const LeadName& lead : g_aLeadNames)
        if (lead.wLeadCode == wLeadCode)
            return lead.pszName;
    return nullptr;
}
