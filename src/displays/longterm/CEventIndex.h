#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct MferEvent;

// The events of one list sorted by position, so that a paint finds the events it can show without
// walking the whole list. Each entry remembers its place in the list, which decides which of two
// overlapping labels is written last.
class CEventIndex {
public:
    struct SEntry {
        int64_t nPosition;
        int32_t nOrder;
        int16_t wCode;
    };

    // Rebuilds the index when the list is not the one it was built from.
    void Refresh(const MferEvent* pFirst, const MferEvent* pLast);
    // The events with nFrom <= position <= nTo, in list order.
    std::vector<SEntry> InRange(int64_t nFrom, int64_t nTo) const;
    size_t GetCount() const { return m_aEntries.size(); }

private:
    struct SListKey {
        const MferEvent* pFirst = nullptr;
        const MferEvent* pLast = nullptr;
        int64_t nFirstPosition = 0;
        int64_t nLastPosition = 0;
        int16_t wFirstCode = 0;
        int16_t wLastCode = 0;
        friend bool operator==(const SListKey&, const SListKey&) = default;
    };
    static SListKey KeyOf(const MferEvent* pFirst, const MferEvent* pLast);
    void Build(const MferEvent* pFirst);

    SListKey m_key;
    bool m_bBuilt = false;
    std::vector<SEntry> m_aEntries;
};
