#include "CHolterRecording.h"
#include "MferCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

size_t SampleOf(const SBeat& beat, uint32_t nRateHz) {
    return static_cast<size_t>(std::lround(beat.dTime * nRateHz));
}

} // namespace

TEST(CHolterRecordingTest, LastsHalfAnHourWithMostlyNormalBeats) {
    const CHolterRecording recording;
    const size_t nSamples = recording.Channels().Channels()[0].anSamples.size();
    EXPECT_GE(nSamples, 30u * 60u * recording.RateHz());
    std::map<uint16_t, int> counts;
    for (const SBeat& beat : recording.Rhythm().Beats()) {
        ++counts[CHolterRecording::EventCode(beat.eKind)];
    }
    const int nBeats = static_cast<int>(recording.Rhythm().Beats().size());
    EXPECT_GT(counts[kEventNormal], nBeats * 95 / 100);
    EXPECT_GE(counts[kEventVentricular], 5);
    EXPECT_GE(counts[kEventSupraventricular], 5);
}

TEST(CHolterRecordingTest, EventPositionsLieOnTheRPeaksOfCm5) {
    const CHolterRecording recording;
    const std::vector<int16_t>& cm5 = *recording.Channels().Find(kLeadCM5);
    constexpr size_t kSearch = 10; // 40 ms either side
    for (const SBeat& beat : recording.Rhythm().Beats()) {
        const size_t nAt = SampleOf(beat, recording.RateHz());
        ASSERT_LT(nAt + kSearch, cm5.size());
        const auto itPeak = std::max_element(cm5.begin() + static_cast<long>(nAt - kSearch),
                                             cm5.begin() + static_cast<long>(nAt + kSearch + 1));
        EXPECT_LE(std::abs(static_cast<long>(itPeak - cm5.begin()) - static_cast<long>(nAt)), 2)
            << beat.dTime;
    }
}

TEST(CHolterRecordingTest, PrematureBeatsComeEarlyAndVentricularOnesPauseFully) {
    const CHolterRecording recording;
    const std::vector<SBeat>& aBeats = recording.Rhythm().Beats();
    for (size_t i = 1; i + 1 < aBeats.size(); ++i) {
        if (aBeats[i].eKind == EBeatKind::Normal) {
            continue;
        }
        const double dCoupling = aBeats[i].dTime - aBeats[i - 1].dTime;
        const double dPause = aBeats[i + 1].dTime - aBeats[i].dTime;
        EXPECT_LT(dCoupling, 0.8 * aBeats[i].dSinusRr) << aBeats[i].dTime;
        if (aBeats[i].eKind == EBeatKind::Ventricular) {
            EXPECT_NEAR(dCoupling + dPause, 2.0 * aBeats[i].dSinusRr, 1e-9) << aBeats[i].dTime;
        } else {
            EXPECT_LT(dCoupling + dPause, 2.0 * aBeats[i].dSinusRr) << aBeats[i].dTime;
        }
    }
}
