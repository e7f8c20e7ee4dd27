#pragma once

#include "mfer/MferAttributes.h"

#include <cstddef>
#include <cstdint>

// The event records of one frame, reserved in one block before decoding so that an event costs
// no allocation. The block is mapped, not filled: records no event touches never take memory.
class CMferEventPool {
public:
    explicit CMferEventPool(int32_t nRecords);
    ~CMferEventPool();
    CMferEventPool(const CMferEventPool&) = delete;
    CMferEventPool& operator=(const CMferEventPool&) = delete;

    MferEvent* GetRecords() const { return m_pRecords; }
    // 0 when the block could not be reserved.
    int32_t GetCount() const { return m_pRecords ? m_nRecords : 0; }

private:
    MferEvent* m_pRecords = nullptr;
    int32_t m_nRecords;
    size_t m_nBytes;
};
