#include "mfer/CMferEventPool.h"

#include <sys/mman.h>

CMferEventPool::CMferEventPool(int32_t nRecords)
    : m_nRecords(nRecords), m_nBytes(static_cast<size_t>(nRecords) * sizeof(MferEvent)) {
    void* pBlock =
        mmap(nullptr, m_nBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (pBlock != MAP_FAILED)
        m_pRecords = static_cast<MferEvent*>(pBlock);
}

CMferEventPool::~CMferEventPool() {
    if (m_pRecords)
        munmap(m_pRecords, m_nBytes);
}
