#pragma once

#include "mfer/CMferFrame.h"
#include "mfer/CZeroedBlock.h"
#include "mfer/MferAttributes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

constexpr int MFER_MAX_FRAMES = 128;

// A whole recording: a private copy of the file image cut into frames.
class CMferFile {
public:
    CMferFile();
    virtual ~CMferFile();
    CMferFile(const CMferFile&) = delete;
    CMferFile& operator=(const CMferFile&) = delete;

    int Load(const uint8_t* pBytes, uint32_t nSize);
    int Decode();

    MferAttributes* GetRootAttributes() { return &m_rootAttr; }
    const MferAttributes* GetRootAttributes() const { return &m_rootAttr; }
    const MferAttributes* GetFrameAttributes(int nFrame) const;
    const MferAttributes* GetChannelAttributes(int nChannel) const;
    const MferAttributes* GetFrameChannelAttributes(int nFrame, int nChannel) const;
    uint16_t GetWaveformType(int nFrame) const;
    int GetTotalChannels() const;
    const int16_t* GetSamples(int byLead, int16_t key) const;
    const int16_t* GetFrameSamples(int nFrame, int byLead, int16_t key) const;
    int GetFrameCount() const { return m_nFrames; }

    // After a failed Decode: where and why, for a person reading the error.
    uint32_t GetFailureOffset() const { return m_nFailureOffset; }
    std::string GetFailureReason() const;

private:
    void FreeFrames();
    bool OnlyClosingBytesRemain() const;
    int FailAt(uint32_t nOffset, MferDecodeFailure failure);

    uint32_t m_nImageSize = 0;
    CZeroedBlock m_image;
    uint8_t* m_pImage = nullptr;
    uint32_t m_nPosition = 0;
    MferAttributes m_rootAttr{};
    int32_t m_nFrames = 0;
    std::array<std::unique_ptr<CMferFrame>, MFER_MAX_FRAMES> m_apFrames;
    MferDecodeFailure m_failure = MferDecodeFailure::None;
    uint32_t m_nFailureOffset = 0;
};
