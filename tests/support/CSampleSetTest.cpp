#include "CSampleSet.h"
#include "CFuzzSeeds.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

constexpr size_t kSeedLimit = 2048;

} // namespace

TEST(CSampleSetTest, RecordingsComeOutTheSameEveryTime) {
    const std::vector<SNamedImage> first = CSampleSet::Recordings();
    const std::vector<SNamedImage> second = CSampleSet::Recordings();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].szFileName, second[i].szFileName);
        EXPECT_EQ(first[i].image.Bytes(), second[i].image.Bytes()) << first[i].szFileName;
    }
}

TEST(CSampleSetTest, SeedsStayTiny) {
    const std::vector<SNamedImage> seeds = CFuzzSeeds::Seeds();
    EXPECT_GE(seeds.size(), 12u);
    for (const SNamedImage& named : seeds) {
        EXPECT_LT(named.image.Size(), kSeedLimit) << named.szFileName;
    }
}

TEST(CSampleSetTest, WriteReportsAFolderItCannotCreate) {
    std::ostringstream errors;
    EXPECT_FALSE(CSampleSet::Write("/proc/zelvo-samples", CFuzzSeeds::Seeds(), errors));
    EXPECT_NE(errors.str().find("/proc/zelvo-samples"), std::string::npos);
}
