#include "CBloodPressureRecording.h"
#include "MferCodes.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(CBloodPressureRecordingTest, ArterialPressureSwingsBetween80And120MmHg) {
    const CBloodPressureRecording recording;
    const std::vector<int16_t>& pressure = *recording.Channels().Find(kLeadArterialPressure);
    const double dUnits = CBloodPressureRecording::UnitsPerMmHg();
    // Look at each second: one beat or a little more, so one systole and one diastole.
    constexpr size_t kSecond = 125;
    for (size_t nStart = 0; nStart + kSecond <= pressure.size(); nStart += kSecond) {
        const auto [itLow, itHigh] =
            std::minmax_element(pressure.begin() + static_cast<long>(nStart),
                                pressure.begin() + static_cast<long>(nStart + kSecond));
        EXPECT_NEAR(*itHigh / dUnits, 120.0, 6.0) << nStart;
        EXPECT_NEAR(*itLow / dUnits, 80.0, 6.0) << nStart;
    }
}

TEST(CBloodPressureRecordingTest, ChannelsCoverTheSameThirtySecondsAtTheirOwnRates) {
    const CBloodPressureRecording recording;
    const struct {
        uint16_t wLead;
        size_t nSamples;
    } expected[] = {{kLeadII, 15000}, {kLeadV1, 15000}, {kLeadV5, 15000}, {kLeadArterialPressure, 3750}};
    ASSERT_EQ(recording.Channels().Count(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(recording.Channels().Channels()[i].wLeadCode, expected[i].wLead);
        EXPECT_EQ(recording.Channels().Channels()[i].anSamples.size(), expected[i].nSamples);
    }
}
