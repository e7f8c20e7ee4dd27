#include "displays/ecg12/CLeadSource.h"

#include "TestCaseName.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int16_t kNull = -32768;

const std::vector<int16_t> anI = {100, 200, -300};
const std::vector<int16_t> anII = {300, 500, 100, 7};
const std::vector<int16_t> anIII = {200, 300, 400, 9, 11, 13};

SSampleArray Array(const std::vector<int16_t>& an) {
    return {an.data(), static_cast<int64_t>(an.size())};
}

TEST(CLeadSourceTest, RecordedLeadReadsOnlyItsOwnSamples) {
    CLeadSource lead(1, kNull);
    lead.SetRecorded(Array(anI));
    EXPECT_EQ(lead.LeadSample(0), 100);
    EXPECT_EQ(lead.LeadSample(2), -300);
    EXPECT_EQ(lead.LeadSample(3), kNull);
    EXPECT_EQ(lead.LeadSample(-1), kNull);
}

TEST(CLeadSourceTest, CarriedChannelWithoutSamplesReadsNull) {
    CLeadSource lead(2, kNull);
    lead.SetRecorded(SSampleArray{nullptr, 10});
    EXPECT_EQ(lead.LeadSample(0), kNull);
}

struct LimbCase {
    const char* m_pszName;
    uint16_t m_wCode;
    bool m_bI;
    bool m_bII;
    bool m_bIII;
    int64_t m_nIndex;
    int16_t m_nExpected;
};

class CLeadSourceLimbTest : public testing::TestWithParam<LimbCase> {};

TEST_P(CLeadSourceLimbTest, ComputesFromWhatTheFrameCarries) {
    const LimbCase& c = GetParam();
    CLeadSource lead(c.m_wCode, kNull);
    auto carried = [](bool b, const std::vector<int16_t>& an) {
        return b ? std::optional<SSampleArray>(Array(an)) : std::nullopt;
    };
    lead.SetLimbChannels(carried(c.m_bI, anI), carried(c.m_bII, anII), carried(c.m_bIII, anIII));
    EXPECT_EQ(lead.LeadSample(c.m_nIndex), c.m_nExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Limbs, CLeadSourceLimbTest,
    testing::Values(LimbCase{"IIIFromIAndII", 61, true, true, false, 1, 300},
                    LimbCase{"AvrTruncatesTowardZero", 62, true, true, false, 2, 100},
                    LimbCase{"AvlFromIAndII", 63, true, true, false, 1, -50},
                    LimbCase{"AvfFromIAndII", 64, true, true, false, 1, 400},
                    LimbCase{"IFromIIAndIII", 1, false, true, true, 1, 200},
                    LimbCase{"IIFromIAndIII", 2, true, false, true, 1, 500},
                    LimbCase{"AvfFromIAndDerivedII", 64, true, false, true, 0, 250},
                    LimbCase{"AvrFromDerivedIAndII", 62, false, true, true, 0, -200},
                    // I has three samples: beyond them nothing can be computed.
                    LimbCase{"BeyondAShortInput", 61, true, true, false, 3, kNull},
                    LimbCase{"BeyondAShortDerivedInput", 64, true, false, true, 4, kNull},
                    LimbCase{"NoSecondLimbLead", 61, true, false, false, 0, kNull},
                    LimbCase{"IIIIsNeverDerivedFromItself", 1, false, true, false, 0, kNull},
                    LimbCase{"NotALimbLead", 3, true, true, true, 0, kNull}),
    TestCaseName());

TEST(CLeadSourceTest, ComputedLeadsWrapToSixteenBits) {
    const std::vector<int16_t> anBig = {30000};
    CLeadSource lead(2, kNull);
    lead.SetLimbChannels(Array(anBig), std::nullopt, Array(anBig));
    EXPECT_EQ(lead.LeadSample(0), static_cast<int16_t>(60000));
}

} // namespace
