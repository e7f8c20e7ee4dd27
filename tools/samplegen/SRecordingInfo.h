#pragma once

#include <cstdint>
#include <string>

class CMferWriter;

struct SRecordingTime {
    uint16_t nYear;
    uint8_t nMonth;
    uint8_t nDay;
    uint8_t nHour;
    uint8_t nMinute;
    uint8_t nSecond;
};

// The descriptive header that every sample recording starts with, written as a recorder would.
struct SRecordingInfo {
    bool bLittleEndian;
    std::string szPreamble;     // at most 32 bytes
    std::string szManufacturer; // maker^model^model version^serial^filter^comment, at most 64 bytes
    std::string szPatientId;    // at most 16 bytes
    std::string szPatientName;
    std::string szComment;
    SRecordingTime time;

    // Byte order, preamble, version 1.0.0, character code, manufacturer, patient, measurement time, comment.
    // std::length_error for a text that does not fit its field.
    void WriteTo(CMferWriter& writer) const;
};
