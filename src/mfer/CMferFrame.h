#pragma once

#include "mfer/CMferChannel.h"
#include "mfer/CMferTagReader.h"
#include "mfer/CZeroedBlock.h"
#include "mfer/MferAttributes.h"

#include <array>
#include <cstdint>
#include <memory>

// Why an image could not be decoded; the file object turns it into a message with the offset.
enum class MferDecodeFailure {
    None,
    MalformedItem, // a zero item length, or one that runs past the image
    EmptyFrame,    // an end mark where a frame should begin
    ChannelCount,  // a channel count outside 0 to MFER_MAX_CHANNELS
    TooManyFrames, // more frames than MFER_MAX_FRAMES
    OutOfMemory,   // no room for the file's image
};

constexpr int MFER_MAX_CHANNELS = 128;
constexpr int32_t MFER_EVENT_POOL_RECORDS = 200000;

// A run of header items and channel-attribute blocks ending with one waveform-data item.
class CMferFrame : public CMferTagReader {
public:
    CMferFrame(const MferAttributes& inherited, const uint8_t* pLimit);

    int Parse(const uint8_t* p);
    void ReadWaveform(const uint8_t* p);
    void CopyAttributesTo(MferAttributes& attr) const { attr = m_attr; }
    MferAttributes* GetAttributes() { return &m_attr; }
    const MferAttributes* GetAttributes() const { return &m_attr; }
    int GetChannelCount() const { return m_attr.m_nChannels; }
    const MferAttributes* GetChannelAttributes(int nChannel) const;
    const int16_t* GetSamples(int byLead, int16_t key) const;

    MferDecodeFailure GetFailure() const { return m_failure; }
    const uint8_t* GetFailedItem() const { return m_pFailedItem; }

private:
    int Fail(const uint8_t* p, MferDecodeFailure failure);
    bool ChannelCountInLimits() const;
    void CreateMissingChannels();
    int ParseChannelBlock(const uint8_t* p);
    void GiveChannelsFrameAttributes();
    int64_t DecodeUniformRounds(const uint8_t*& d, const uint8_t* pDataEnd, int64_t nRounds);
    void StretchToLongestChannel();
    const CMferChannel* Channel(int nChannel) const;

    MferAttributes m_attr;
    int32_t m_nBytes = 0;
    std::array<std::unique_ptr<CMferChannel>, MFER_MAX_CHANNELS> m_apChannels;
    // Reserved before decoding so an event costs no allocation; untouched records take no memory.
    CZeroedBlock m_eventPool{MFER_EVENT_POOL_RECORDS * sizeof(MferEvent)};
    MferDecodeFailure m_failure = MferDecodeFailure::None;
    const uint8_t* m_pFailedItem = nullptr;
};
