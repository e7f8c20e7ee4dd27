#include "mfer/CZeroedBlock.h"

#include <sys/mman.h>

#include <cstdint>
#include <utility>

namespace {

constexpr size_t HUGE_PAGE_BYTES = size_t{2} << 20;

} // namespace

CZeroedBlock::CZeroedBlock(size_t nBytes) {
    if (nBytes == 0)
        return;
    // Large blocks get room to start on a huge-page boundary.
    const bool bHuge = nBytes >= HUGE_PAGE_BYTES;
    const size_t nMapped = bHuge ? nBytes + HUGE_PAGE_BYTES : nBytes;
    void* pMapping =
        mmap(nullptr, nMapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (pMapping == MAP_FAILED)
        return;
    m_pMapping = pMapping;
    m_nMappedBytes = nMapped;
    m_pData = pMapping;
    if (bHuge) {
        const uintptr_t nAligned =
            (reinterpret_cast<uintptr_t>(pMapping) + HUGE_PAGE_BYTES - 1) & ~(HUGE_PAGE_BYTES - 1);
        m_pData = reinterpret_cast<void*>(nAligned);
        madvise(m_pData, nBytes, MADV_HUGEPAGE);
    }
}

CZeroedBlock::~CZeroedBlock() {
    Release();
}

CZeroedBlock::CZeroedBlock(CZeroedBlock&& other) noexcept
    : m_pMapping(std::exchange(other.m_pMapping, nullptr)),
      m_nMappedBytes(std::exchange(other.m_nMappedBytes, 0)), m_pData(std::exchange(other.m_pData, nullptr)) {
}

CZeroedBlock& CZeroedBlock::operator=(CZeroedBlock&& other) noexcept {
    if (this != &other) {
        Release();
        m_pMapping = std::exchange(other.m_pMapping, nullptr);
        m_nMappedBytes = std::exchange(other.m_nMappedBytes, 0);
        m_pData = std::exchange(other.m_pData, nullptr);
    }
    return *this;
}

void CZeroedBlock::Release() {
    if (m_pMapping)
        munmap(m_pMapping, m_nMappedBytes);
    m_pMapping = nullptr;
    m_nMappedBytes = 0;
    m_pData = nullptr;
}
