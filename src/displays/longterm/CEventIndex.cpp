#include "displays/longterm/CEventIndex.h"

#include "mfer/CMferFrame.h"
#include "mfer/MferAttributes.h"

#include <algorithm>

CEventIndex::SListKey CEventIndex::KeyOf(const MferEvent* pFirst, const MferEvent* pLast) {
    SListKey key;
    key.pFirst = pFirst;
    key.pLast = pLast;
    if (pFirst != nullptr) {
        key.nFirstPosition = pFirst->nPosition;
        key.wFirstCode = pFirst->wCode;
    }
    if (pLast != nullptr) {
        key.nLastPosition = pLast->nPosition;
        key.wLastCode = pLast->wCode;
    }
    return key;
}

void CEventIndex::Refresh(const MferEvent* pFirst, const MferEvent* pLast) {
    // A newly opened file brings new records; their first and last entries tell them apart even
    // where the new list reuses the old one's memory.
    const SListKey key = KeyOf(pFirst, pLast);
    if (m_bBuilt && key == m_key)
        return;
    m_key = key;
    m_bBuilt = true;
    Build(pFirst);
}

void CEventIndex::Build(const MferEvent* pFirst) {
    m_aEntries.clear();
    // A frame holds at most its pool's records; the bound also ends a list that loops.
    for (const MferEvent* p = pFirst; p != nullptr && m_aEntries.size() < MFER_EVENT_POOL_RECORDS;
         p = p->pNext)
        m_aEntries.push_back({p->nPosition, static_cast<int32_t>(m_aEntries.size()), p->wCode});
    std::stable_sort(m_aEntries.begin(), m_aEntries.end(),
                     [](const SEntry& a, const SEntry& b) { return a.nPosition < b.nPosition; });
}

std::vector<CEventIndex::SEntry> CEventIndex::InRange(int64_t nFrom, int64_t nTo) const {
    const auto itFrom = std::lower_bound(m_aEntries.begin(), m_aEntries.end(), nFrom,
                                         [](const SEntry& e, int64_t n) { return e.nPosition < n; });
    const auto itTo = std::upper_bound(itFrom, m_aEntries.end(), nTo,
                                       [](int64_t n, const SEntry& e) { return n < e.nPosition; });
    std::vector<SEntry> aFound(itFrom, itTo);
    std::sort(aFound.begin(), aFound.end(),
              [](const SEntry& a, const SEntry& b) { return a.nOrder < b.nOrder; });
    return aFound;
}
