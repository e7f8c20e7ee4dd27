#pragma once

#include "mfer/MferAttributes.h"

#include <cstdint>

// Tags with a meaning of their own to the reader and the frame.
enum : uint8_t {
    MFER_TAG_WAVEFORM = 30,
    MFER_TAG_CHANNEL = 0x3F,
    MFER_TAG_END = 0xFF,
};

// Reads one tag-length-value item at a time from a file image held in memory. Values stay in
// the image and are addressed by position. Base of the frame and the channel objects; the
// frame's reader also hands out event records from the frame's pool.
class CMferTagReader {
public:
    explicit CMferTagReader(const uint8_t* pLimit) : m_pLimit(pLimit) {}
    CMferTagReader(const CMferTagReader&) = delete;
    CMferTagReader& operator=(const CMferTagReader&) = delete;
    virtual ~CMferTagReader() = default;

    int ReadTag(const uint8_t* p);
    uint32_t GetLength() const { return m_nLength; }
    const uint8_t* GetValue() const { return m_pValue; }
    const uint8_t* GetNext() const { return m_pValue + m_nLength; }
    uint32_t GetTotalSize() const { return m_nTotal; }
    uint8_t GetTag() const { return m_byTag; }

    uint32_t DecodeInteger(int byteOrder) const;
    static uint32_t DecodeBytes(int byteOrder, const uint8_t* p, uint32_t n);
    static uint16_t ReadWord(int byteOrder, const uint8_t* p);

    MferEvent* AllocEvent();
    int DecodeTag(const uint8_t* p, MferAttributes* pAttr);

    // One past the last byte an item may occupy: the end of the image and its end mark.
    const uint8_t* GetLimit() const { return m_pLimit; }

protected:
    void SetEventPool(MferEvent* pPool, int32_t nRecords) {
        m_pEventPool = pPool;
        m_nEventsFree = nRecords;
    }

private:
    void ClearItem();
    void ApplyItem(MferAttributes& attr);
    void ApplyEvent(MferAttributes& attr);
    void ApplyMeasurementTime(MferAttributes& attr) const;
    void ApplyAge(MferAttributes& attr) const;
    void ApplySamplingInterval(MferAttributes& attr) const;
    void ApplyResolution(MferAttributes& attr) const;
    bool LengthIn(uint32_t nMin, uint32_t nMax) const { return m_nLength >= nMin && m_nLength <= nMax; }

    const uint8_t* m_pTag = nullptr;
    uint8_t m_byTag = 0;
    uint32_t m_nLength = 0;
    const uint8_t* m_pValue = nullptr;
    uint32_t m_nTotal = 0;
    MferEvent* m_pEventPool = nullptr;
    int32_t m_nEventsFree = 0;
    const uint8_t* m_pLimit = nullptr;
};
