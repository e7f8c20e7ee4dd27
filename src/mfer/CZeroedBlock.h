#pragma once

#include <cstddef>

// A block of memory that starts zero, mapped fresh from the system: nothing fills it, and pages
// nobody touches never take memory. Large blocks ask for huge pages, which makes the first
// touch of a long recording's arrays far cheaper.
class CZeroedBlock {
public:
    CZeroedBlock() = default;
    explicit CZeroedBlock(size_t nBytes);
    ~CZeroedBlock();
    CZeroedBlock(CZeroedBlock&& other) noexcept;
    CZeroedBlock& operator=(CZeroedBlock&& other) noexcept;
    CZeroedBlock(const CZeroedBlock&) = delete;
    CZeroedBlock& operator=(const CZeroedBlock&) = delete;

    // Null when the block is empty or could not be mapped.
    void* Get() const { return m_pData; }
    template <typename T> T* As() const { return static_cast<T*>(m_pData); }

private:
    void Release();

    void* m_pMapping = nullptr;
    size_t m_nMappedBytes = 0;
    void* m_pData = nullptr;
};
