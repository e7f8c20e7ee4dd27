#include "CEegRecording.h"
#include "MferCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr size_t kRateHz = 200;
constexpr double kMicrovoltsPerUnit = 0.1;
constexpr uint16_t kFp1 = kLeadEegElectrode | 12;
constexpr uint16_t kO1 = kLeadEegElectrode | 24;

double RmsMicrovolts(const std::vector<int16_t>& anSamples, double dFrom, double dTo) {
    double dSum = 0.0;
    const auto nFrom = static_cast<size_t>(dFrom * kRateHz);
    const auto nTo = static_cast<size_t>(dTo * kRateHz);
    for (size_t i = nFrom; i < nTo; ++i) {
        dSum += static_cast<double>(anSamples[i]) * anSamples[i];
    }
    return std::sqrt(dSum / static_cast<double>(nTo - nFrom)) * kMicrovoltsPerUnit;
}

} // namespace

TEST(CEegRecordingTest, OccipitalAlphaIsBlockedWhenTheEyesOpen) {
    const CEegRecording recording;
    const std::vector<int16_t>& o1 = *recording.Channels().Find(kO1);
    const std::vector<int16_t>& fp1 = *recording.Channels().Find(kFp1);
    EXPECT_GT(RmsMicrovolts(o1, 2.0, 18.0), 3.0 * RmsMicrovolts(o1, 22.0, 38.0));
    EXPECT_GT(RmsMicrovolts(o1, 2.0, 18.0), 2.0 * RmsMicrovolts(fp1, 2.0, 18.0));
}

TEST(CEegRecordingTest, BlinksAppearOverTheFrontalPolesOnlyWithTheEyesOpen) {
    const CEegRecording recording;
    const std::vector<int16_t>& fp1 = *recording.Channels().Find(kFp1);
    const auto itClosedPeak = std::max_element(fp1.begin(), fp1.begin() + 20 * kRateHz);
    const auto itOpenPeak = std::max_element(fp1.begin() + 20 * kRateHz, fp1.begin() + 40 * kRateHz);
    EXPECT_GT(*itOpenPeak * kMicrovoltsPerUnit, 100.0);
    EXPECT_LT(*itClosedPeak * kMicrovoltsPerUnit, 60.0);
}
