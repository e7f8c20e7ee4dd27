#include "CEcg12Recording.h"
#include "MferCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

const std::vector<int16_t>& Lead(const CChannelSet& channels, uint16_t wLead) {
    const std::vector<int16_t>* pSamples = channels.Find(wLead);
    EXPECT_NE(pSamples, nullptr) << wLead;
    static const std::vector<int16_t> anEmpty;
    return pSamples ? *pSamples : anEmpty;
}

int16_t Highest(const std::vector<int16_t>& anSamples) {
    return *std::max_element(anSamples.begin(), anSamples.end());
}

int16_t Lowest(const std::vector<int16_t>& anSamples) {
    return *std::min_element(anSamples.begin(), anSamples.end());
}

} // namespace

TEST(CEcg12RecordingTest, DerivedLimbLeadsFollowEinthovenAndGoldberger) {
    struct Case {
        uint16_t wLead;
        double dFactorI;
        double dFactorII;
    };
    const Case cases[] = {
        {kLeadIII, -1.0, 1.0}, {kLeadAVR, -0.5, -0.5}, {kLeadAVL, 1.0, -0.5}, {kLeadAVF, -0.5, 1.0}};
    const CEcg12Recording recording(EEcg12Leads::AllTwelve);
    const auto& leadI = Lead(recording.Channels(), kLeadI);
    const auto& leadII = Lead(recording.Channels(), kLeadII);
    for (const Case& c : cases) {
        const auto& derived = Lead(recording.Channels(), c.wLead);
        ASSERT_EQ(derived.size(), leadI.size());
        double dWorst = 0.0;
        for (size_t i = 0; i < derived.size(); ++i) {
            const double dExpected = c.dFactorI * leadI[i] + c.dFactorII * leadII[i];
            dWorst = std::max(dWorst, std::abs(derived[i] - dExpected));
        }
        // Each lead is rounded to whole units on its own.
        EXPECT_LE(dWorst, 1.5) << c.wLead;
    }
}

TEST(CEcg12RecordingTest, ReducedSetCarriesTheSameHeart) {
    const CEcg12Recording full(EEcg12Leads::AllTwelve);
    const CEcg12Recording reduced(EEcg12Leads::IandIIWithChest);
    const uint16_t anExpected[] = {kLeadI, kLeadII, kLeadV1, kLeadV2, kLeadV3, kLeadV4, kLeadV5, kLeadV6};
    ASSERT_EQ(reduced.Channels().Count(), std::size(anExpected));
    for (size_t i = 0; i < std::size(anExpected); ++i) {
        const SChannelSamples& channel = reduced.Channels().Channels()[i];
        EXPECT_EQ(channel.wLeadCode, anExpected[i]);
        EXPECT_EQ(channel.anSamples, Lead(full.Channels(), anExpected[i])) << anExpected[i];
    }
}

TEST(CEcg12RecordingTest, MorphologyDiffersBetweenLeadsAsInANormalEcg) {
    const CEcg12Recording recording(EEcg12Leads::AllTwelve);
    const CChannelSet& channels = recording.Channels();
    // aVR and V1 are mainly negative (inverted complex, rS); II and V5 mainly positive (qR).
    EXPECT_GT(-Lowest(Lead(channels, kLeadAVR)), Highest(Lead(channels, kLeadAVR)));
    EXPECT_GT(-Lowest(Lead(channels, kLeadV1)), 2 * Highest(Lead(channels, kLeadV1)));
    EXPECT_GT(Highest(Lead(channels, kLeadII)), -2 * Lowest(Lead(channels, kLeadII)));
    EXPECT_GT(Highest(Lead(channels, kLeadV5)), -2 * Lowest(Lead(channels, kLeadV5)));
    // The R wave grows from V1 to V4.
    const uint16_t anChest[] = {kLeadV1, kLeadV2, kLeadV3, kLeadV4};
    for (size_t i = 1; i < std::size(anChest); ++i) {
        EXPECT_GT(Highest(Lead(channels, anChest[i])), Highest(Lead(channels, anChest[i - 1]))) << anChest[i];
    }
}
