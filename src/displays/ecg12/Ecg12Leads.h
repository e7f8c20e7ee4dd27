#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// MFER lead codes the 12-lead sheet knows by name.
enum : uint16_t {
    LEAD_I = 1,
    LEAD_II = 2,
    LEAD_V1 = 3,
    LEAD_V2 = 4,
    LEAD_V3 = 5,
    LEAD_V4 = 6,
    LEAD_V5 = 7,
    LEAD_V6 = 8,
    LEAD_III = 61,
    LEAD_AVR = 62,
    LEAD_AVL = 63,
    LEAD_AVF = 64,
};

constexpr int STANDARD_LEAD_ROWS = 6;
// Limb leads computed when only two of I, II and III are recorded.
constexpr int DERIVED_LIMB_LEADS = 4;
// Display order of the standard leads: the limb leads and the chest leads.
extern const std::array<uint16_t, STANDARD_LEAD_ROWS> g_anLimbLeads;
extern const std::array<uint16_t, STANDARD_LEAD_ROWS> g_anChestLeads;

// The six limb leads occupy the lowest bits of the lead-presence mask.
constexpr uint32_t LIMB_LEAD_BITS = 0x3F;

// The name of a known lead code, or the empty string.
std::string LeadName(uint16_t wLeadCode);
// The lead-presence mask bit of a known lead code.
std::optional<uint32_t> LeadMaskBit(uint16_t wLeadCode);
