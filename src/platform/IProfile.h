#pragma once

#include <string>

// The per-user profile of integers by section and entry name.
class IProfile {
public:
    virtual ~IProfile() = default;
    virtual int GetProfileInt(const std::string& strSection, const std::string& strEntry,
                              int nDefault) const = 0;
    virtual bool WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue) = 0;
};
