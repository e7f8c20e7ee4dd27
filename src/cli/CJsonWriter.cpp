#include "cli/CJsonWriter.h"

#include <cstdio>

void CJsonWriter::BeforeValue() {
    if (m_bAfterKey) {
        m_bAfterKey = false;
        return;
    }
    if (!m_firstInScope.empty()) {
        if (!m_firstInScope.back())
            m_out << ',';
        m_firstInScope.back() = false;
    }
}

void CJsonWriter::BeginObject() {
    BeforeValue();
    m_out << '{';
    m_firstInScope.push_back(true);
}

void CJsonWriter::EndObject() {
    m_firstInScope.pop_back();
    m_out << '}';
}

void CJsonWriter::BeginArray() {
    BeforeValue();
    m_out << '[';
    m_firstInScope.push_back(true);
}

void CJsonWriter::EndArray() {
    m_firstInScope.pop_back();
    m_out << ']';
}

void CJsonWriter::Key(std::string_view key) {
    String(key);
    m_out << ':';
    m_bAfterKey = true;
}

void CJsonWriter::String(std::string_view text) {
    BeforeValue();
    m_out << '"';
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            m_out << "\\\"";
            break;
        case '\\':
            m_out << "\\\\";
            break;
        case '\n':
            m_out << "\\n";
            break;
        case '\r':
            m_out << "\\r";
            break;
        case '\t':
            m_out << "\\t";
            break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
                m_out << escaped;
            } else {
                m_out << ch;
            }
        }
    }
    m_out << '"';
}

void CJsonWriter::Int(int64_t value) {
    BeforeValue();
    m_out << value;
}

void CJsonWriter::Double(double value) {
    BeforeValue();
    char text[32];
    std::snprintf(text, sizeof(text), "%.6g", value);
    m_out << text;
}

void CJsonWriter::Bool(bool value) {
    BeforeValue();
    m_out << (value ? "true" : "false");
}

void CJsonWriter::Null() {
    BeforeValue();
    m_out << "null";
}
