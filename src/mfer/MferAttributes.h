#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Measurement date and time as the file states it.
struct MferTime {
    uint16_t wYear;
    uint16_t wMonth;
    uint16_t wDay;
    uint16_t wHour;
    uint16_t wMinute;
    uint16_t wSecond;
    uint16_t wMillisecond;
    uint16_t wMicrosecond;
};

// One event of a frame, handed out by the frame's event pool; the list keeps file order.
struct MferEvent {
    MferEvent* pNext;
    int16_t wCode;
    int32_t nPosition;
};

// The attribute set of one level (file, frame or channel). A plain record copied whole from
// level to level; a copy shares the event records of the set it was taken from.
struct MferAttributes {
    int32_t m_nByteOrder;
    int8_t m_abyVersion[3];
    char m_szCharCode[16];
    uint8_t m_byEncoding;
    uint8_t m_byTag15;
    char m_szFilter[32];
    char m_szComment[256];
    char m_szManufacturer[64];
    uint16_t m_wWaveformType;
    uint16_t m_wLeadCode;
    uint8_t m_byDataType;
    int32_t m_nSamplingInterval;
    int32_t m_nResolution;
    int32_t m_nOffset;
    int32_t m_nNullValue;
    int32_t m_nBlockLength;
    int32_t m_nChannels;
    int32_t m_nSequences;
    int32_t m_nPointer;
    int32_t m_nTag16;
    uint16_t m_wInfoCode;
    char m_szInfo[32];
    char m_szPreamble[32];
    char m_szPatientName[128];
    char m_szPatientId[16];
    uint16_t m_wAgeYears;
    uint16_t m_wAgeDays;
    uint16_t m_wSex;
    MferTime m_tmMeasured;
    MferEvent* m_pFirstEvent;
    MferEvent* m_pLastEvent;
    char m_szMessage[1024];

    // The values a file starts from before any item is decoded.
    void SetDefaults();
    // Every field zero, the state of a freshly constructed file object.
    void Clear();
};

// Text fields are byte arrays that may fill their field without a terminating zero.
template <std::size_t N> std::string MferFieldText(const char (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != '\0')
        ++n;
    return std::string(field, n);
}
