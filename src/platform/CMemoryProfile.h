#pragma once

#include "platform/IProfile.h"

#include <map>
#include <utility>

// A profile that lives only as long as the program: for the headless tool and the tests.
class CMemoryProfile : public IProfile {
public:
    int GetProfileInt(const std::string& strSection, const std::string& strEntry,
                      int nDefault) const override {
        const auto it = m_values.find({strSection, strEntry});
        return it == m_values.end() ? nDefault : it->second;
    }
    bool WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue) override {
        m_values[{strSection, strEntry}] = nValue;
        return true;
    }

private:
    std::map<std::pair<std::string, std::string>, int> m_values;
};
