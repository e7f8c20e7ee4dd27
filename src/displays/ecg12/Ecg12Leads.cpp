#include "displays/ecg12/Ecg12Leads.h"

#include <algorithm>
#include <iterator>

namespace {

struct KnownLead {
    uint16_t wCode;
    const char* pszName;
};

// In mask-bit order: entry k owns bit k.
constexpr KnownLead g_aKnownLeads[] = {
    {LEAD_I, "I"},     {LEAD_II, "II"}, {LEAD_III, "III"}, {LEAD_AVR, "aVR"}, {LEAD_AVL, "aVL"},
    {LEAD_AVF, "aVF"}, {LEAD_V1, "V1"}, {LEAD_V2, "V2"},   {LEAD_V3, "V3"},   {LEAD_V4, "V4"},
    {LEAD_V5, "V5"},   {LEAD_V6, "V6"}, {9, "V7"},         {66, "V8"},        {67, "V9"},
    {11, "V3R"},       {12, "V4R"},     {13, "V5R"},       {14, "V6R"},       {15, "V7R"},
    {68, "V8R"},       {69, "V9R"},
};

const KnownLead* FindKnownLead(uint16_t wLeadCode) {
    const auto it = std::find_if(std::begin(g_aKnownLeads), std::end(g_aKnownLeads),
                                 [wLeadCode](const KnownLead& lead) { return lead.wCode == wLeadCode; });
    return it == std::end(g_aKnownLeads) ? nullptr : it;
}

} // namespace

const std::array<uint16_t, STANDARD_LEAD_ROWS> g_anLimbLeads = {LEAD_I,   LEAD_II,  LEAD_III,
                                                                LEAD_AVR, LEAD_AVL, LEAD_AVF};
const std::array<uint16_t, STANDARD_LEAD_ROWS> g_anChestLeads = {LEAD_V1, LEAD_V2, LEAD_V3,
                                                                 LEAD_V4, LEAD_V5, LEAD_V6};

std::string LeadName(uint16_t wLeadCode) {
    const KnownLead* pLead = FindKnownLead(wLeadCode);
    return pLead ? pLead->pszName : "";
}

std::optional<uint32_t> LeadMaskBit(uint16_t wLeadCode) {
    const KnownLead* pLead = FindKnownLead(wLeadCode);
    if (pLead == nullptr)
        return std::nullopt;
    return 1u << (pLead - std::begin(g_aKnownLeads));
}
