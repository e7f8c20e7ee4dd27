#include "CBloodPressureRecording.h"
#include "CEegRecording.h"
#include "CHolterRecording.h"
#include "CPhonocardiogramRecording.h"
#include "CPolygraphRecording.h"
#include "MferCodes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<uint16_t> LeadCodes(const CChannelSet& channels) {
    std::vector<uint16_t> awCodes;
    for (const SChannelSamples& channel : channels.Channels()) {
        awCodes.push_back(channel.wLeadCode);
    }
    return awCodes;
}

constexpr uint16_t Electrode(uint16_t wCode) {
    return kLeadEegElectrode | wCode;
}

} // namespace

TEST(CSampleLeadCodesTest, EachRecordingCarriesTheLeadsItsDisplayLooksFor) {
    struct Case {
        std::string szName;
        std::vector<uint16_t> awActual;
        std::vector<uint16_t> awExpected;
    };
    const Case cases[] = {
        {"holter", LeadCodes(CHolterRecording().Channels()), {kLeadCM5, kLeadV1}},
        {"eeg",
         LeadCodes(CEegRecording().Channels()),
         {Electrode(12), Electrode(13), Electrode(28), Electrode(29), Electrode(32), Electrode(33),
          Electrode(36), Electrode(37), Electrode(24), Electrode(25), Electrode(52), Electrode(53),
          Electrode(56), Electrode(57), Electrode(60), Electrode(61), Electrode(74), Electrode(75), kLeadI}},
        {"bp",
         LeadCodes(CBloodPressureRecording().Channels()),
         {kLeadII, kLeadV1, kLeadV5, kLeadArterialPressure}},
        {"type30",
         LeadCodes(CPhonocardiogramRecording().Channels()),
         {kLeadII, kLeadSoundLow, kLeadSoundMedium, kLeadSoundHigh}},
        {"universal",
         LeadCodes(CPolygraphRecording().Channels()),
         {kLeadCM5, kLeadUnspecified, kLeadUnspecified, kLeadUnspecified}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.awActual, c.awExpected) << c.szName;
    }
}
