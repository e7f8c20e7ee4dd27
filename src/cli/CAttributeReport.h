#pragma once

#include "mfer/MferAttributes.h"

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// One attribute of a set as the info command shows it: a JSON key with a typed value, and a
// label with a text for people.
struct AttributeField {
    using NamedTexts = std::vector<std::pair<std::string, std::string>>;

    std::string strKey;
    std::string strLabel;
    std::variant<int64_t, std::string, NamedTexts> value;
    std::string strText;
    bool bInSummary; // shown in the text report
};

// Describes every attribute of a set, texts converted to UTF-8 by the set's character code.
class CAttributeReport {
public:
    static std::vector<AttributeField> Describe(const MferAttributes& attr);
    static AttributeField::NamedTexts SplitManufacturer(const std::string& manufacturer);
    static std::string FormatTime(const MferTime& time);
};
