#pragma once

#include <cstdint>

// MFER codes that the sample recordings use.

// Waveform types (tag 8).
constexpr uint16_t kTypeStandardEcg = 1;
constexpr uint16_t kTypeLongTermEcg = 2;
constexpr uint16_t kTypeBloodPressure = 20;
constexpr uint16_t kTypePhonocardiogram = 30;
constexpr uint16_t kTypeEeg = 40;
// A type without a display of its own, shown by the universal display.
constexpr uint16_t kTypePolygraph = 50;

// Lead codes (tag 9).
// No lead code given: the channel is not an ECG lead.
constexpr uint16_t kLeadUnspecified = 0;
constexpr uint16_t kLeadI = 1;
constexpr uint16_t kLeadII = 2;
constexpr uint16_t kLeadV1 = 3;
constexpr uint16_t kLeadV2 = 4;
constexpr uint16_t kLeadV3 = 5;
constexpr uint16_t kLeadV4 = 6;
constexpr uint16_t kLeadV5 = 7;
constexpr uint16_t kLeadV6 = 8;
constexpr uint16_t kLeadCM5 = 20;
constexpr uint16_t kLeadIII = 61;
constexpr uint16_t kLeadAVR = 62;
constexpr uint16_t kLeadAVL = 63;
constexpr uint16_t kLeadAVF = 64;
constexpr uint16_t kLeadArterialPressure = 143;
constexpr uint16_t kLeadSoundLow = 513;
constexpr uint16_t kLeadSoundMedium = 514;
constexpr uint16_t kLeadSoundHigh = 515;
// EEG electrode channels carry the electrode code in the low seven bits.
constexpr uint16_t kLeadEegElectrode = 0x4000;

// Event codes (tags 19 and 65) of the long-term display's marks.
constexpr uint16_t kEventNormal = 136;
constexpr uint16_t kEventVentricular = 860;
constexpr uint16_t kEventSupraventricular = 920;

// Units of tags 11 and 12.
constexpr uint8_t kUnitHertz = 0;
constexpr uint8_t kUnitSecond = 1;
constexpr uint8_t kUnitVolt = 0;
constexpr uint8_t kUnitMmHg = 1;

constexpr uint8_t kTagFilter = 17;
constexpr uint8_t kDataTypeSigned16 = 0;
