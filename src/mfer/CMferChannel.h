#pragma once

#include "mfer/CMferTagReader.h"
#include "mfer/CZeroedBlock.h"
#include "mfer/MferAttributes.h"

#include <cstdint>

// One channel of a frame: its own attribute set and the array of its decoded 16-bit samples.
class CMferChannel : public CMferTagReader {
public:
    CMferChannel(const MferAttributes& attr, const uint8_t* pLimit);

    void SetAttributes(const MferAttributes& attr) { m_attr = attr; }
    int ParseAttributeBlock(const uint8_t* p, int& nCount);
    // Decodes one block at d; pDataEnd bounds the waveform data. Returns the bytes consumed, or
    // -1 when the data ends before the block does.
    int DecodeBlock(const uint8_t* d, const uint8_t* pDataEnd, int nDefaultSequences);

    MferAttributes* GetAttributes() { return &m_attr; }
    const MferAttributes* GetAttributes() const { return &m_attr; }
    const int16_t* GetSamples() const { return m_samples.As<int16_t>(); }
    const int16_t* GetSamplesIfLead(int16_t lead) const;
    static int GetChannelNumber(const uint8_t* p) { return static_cast<int8_t>(p[1]); }

    // Room left in the sample array, for callers that decode whole runs of blocks at once.
    int32_t GetFreeSamples() const { return m_nCapacity - m_nWritten; }
    int16_t* TakeSamples(int32_t nCount);

private:
    void CreateSampleArray(int nDefaultSequences, uint32_t nDataBytes);
    void StoreBlock(const uint8_t* d, int32_t nBlockLength);

    MferAttributes m_attr;
    int32_t m_nWritten = 0;
    CZeroedBlock m_samples;
    int16_t m_nRunning = 0;
    int32_t m_nCapacity = 0;
    bool m_bArrayCreated = false;
};
