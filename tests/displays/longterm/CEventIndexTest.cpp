#include "displays/longterm/CEventIndex.h"
#include "mfer/MferAttributes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<MferEvent> List(const std::vector<std::pair<int16_t, int32_t>>& aEvents) {
    std::vector<MferEvent> aRecords(aEvents.size());
    for (size_t i = 0; i < aEvents.size(); ++i)
        aRecords[i] = {i + 1 < aEvents.size() ? &aRecords[i + 1] : nullptr, aEvents[i].first,
                       aEvents[i].second};
    return aRecords;
}

std::vector<int64_t> Positions(const std::vector<CEventIndex::SEntry>& aEntries) {
    std::vector<int64_t> aPositions;
    for (const CEventIndex::SEntry& e : aEntries)
        aPositions.push_back(e.nPosition);
    return aPositions;
}

TEST(EventIndexTest, FindsTheEventsOfARangeInListOrder) {
    std::vector<MferEvent> aList = List({{136, 900}, {860, 100}, {920, 500}, {844, 501}, {136, 499}});
    CEventIndex index;
    index.Refresh(&aList.front(), &aList.back());
    EXPECT_EQ(index.GetCount(), 5u);
    EXPECT_EQ(Positions(index.InRange(499, 900)), (std::vector<int64_t>{900, 500, 501, 499}));
    EXPECT_EQ(Positions(index.InRange(500, 500)), (std::vector<int64_t>{500}));
    EXPECT_TRUE(index.InRange(901, 2000).empty());
}

TEST(EventIndexTest, RebuildsForAnotherListAndKeepsItsIndexForTheSameOne) {
    std::vector<MferEvent> aList = List({{136, 10}, {136, 20}});
    CEventIndex index;
    index.Refresh(&aList.front(), &aList.back());
    // The same records with a new last position stand for a newly opened file.
    aList.back().nPosition = 30;
    index.Refresh(&aList.front(), &aList.back());
    EXPECT_EQ(Positions(index.InRange(0, 100)), (std::vector<int64_t>{10, 30}));
    index.Refresh(nullptr, nullptr);
    EXPECT_EQ(index.GetCount(), 0u);
}

} // namespace
