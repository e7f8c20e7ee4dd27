#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

// A small streaming JSON writer: keeps track of commas so callers only say what comes next.
class CJsonWriter {
public:
    explicit CJsonWriter(std::ostream& out) : m_out(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view key);
    void String(std::string_view text);
    void Int(int64_t value);
    void Double(double value);
    void Bool(bool value);
    void Null();

private:
    void BeforeValue();

    std::ostream& m_out;
    std::vector<bool> m_firstInScope;
    bool m_bAfterKey = false;
};
