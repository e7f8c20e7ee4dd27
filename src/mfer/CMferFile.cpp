#include "mfer/CMferFile.h"

#include <cstring>

namespace {

constexpr uint8_t END_MARK[] = {0xFF, 0x01, 0x00};

bool EndsWith(const uint8_t* p, uint32_t nRemaining, const uint8_t* pClosing, uint32_t nClosing) {
    return nRemaining == nClosing && std::memcmp(p, pClosing, nClosing) == 0;
}

} // namespace

CMferFile::CMferFile() {
    m_rootAttr.Clear();
}

CMferFile::~CMferFile() = default;

void CMferFile::FreeFrames() {
    for (auto& pFrame : m_apFrames)
        pFrame.reset();
    m_image = CZeroedBlock();
    m_pImage = nullptr;
}

int CMferFile::Load(const uint8_t* pBytes, uint32_t nSize) {
    FreeFrames();
    m_nPosition = 0;
    m_nFrames = 0;
    m_failure = MferDecodeFailure::None;
    m_nFailureOffset = 0;
    m_rootAttr.SetDefaults();
    m_nImageSize = nSize;
    m_image = CZeroedBlock(static_cast<size_t>(nSize) + sizeof(END_MARK));
    m_pImage = m_image.As<uint8_t>();
    if (m_pImage == nullptr) {
        m_nImageSize = 0;
        return 1;
    }
    if (nSize > 0)
        std::memcpy(m_pImage, pBytes, nSize);
    std::memcpy(m_pImage + nSize, END_MARK, sizeof(END_MARK));
    return 1;
}

bool CMferFile::OnlyClosingBytesRemain() const {
    // Device files close with MFER's end-of-contents byte, sometimes followed by 00, or with
    // an explicit end mark; after a complete frame these end the recording.
    static constexpr uint8_t END_OF_CONTENTS[] = {0x80, 0x00};
    const uint8_t* p = m_pImage + m_nPosition;
    const uint32_t nRemaining = m_nImageSize - m_nPosition;
    return m_nFrames > 0 &&
           (EndsWith(p, nRemaining, END_OF_CONTENTS, 1) || EndsWith(p, nRemaining, END_OF_CONTENTS, 2) ||
            EndsWith(p, nRemaining, END_MARK, sizeof(END_MARK)));
}

int CMferFile::FailAt(uint32_t nOffset, MferDecodeFailure failure) {
    m_failure = failure;
    m_nFailureOffset = nOffset;
    return 0;
}

int CMferFile::Decode() {
    if (m_pImage == nullptr)
        return FailAt(0, MferDecodeFailure::OutOfMemory);
    const uint8_t* pLimit = m_pImage + m_nImageSize + sizeof(END_MARK);
    while (m_nPosition < m_nImageSize) {
        if (OnlyClosingBytesRemain())
            break;
        if (m_nFrames == MFER_MAX_FRAMES)
            return FailAt(m_nPosition, MferDecodeFailure::TooManyFrames);
        auto& pFrame = m_apFrames[m_nFrames];
        pFrame = std::make_unique<CMferFrame>(m_rootAttr, pLimit);
        const int r = pFrame->Parse(m_pImage + m_nPosition);
        pFrame->CopyAttributesTo(m_rootAttr);
        ++m_nFrames;
        if (r == 0)
            return FailAt(static_cast<uint32_t>(pFrame->GetFailedItem() - m_pImage), pFrame->GetFailure());
        m_nPosition += static_cast<uint32_t>(r);
    }
    return 1;
}

std::string CMferFile::GetFailureReason() const {
    switch (m_failure) {
    case MferDecodeFailure::MalformedItem:
        return "malformed item (zero length, or a length that runs past the end of the file)";
    case MferDecodeFailure::EmptyFrame:
        return "end mark where a frame should begin";
    case MferDecodeFailure::ChannelCount:
        return "channel count outside 0 to 128";
    case MferDecodeFailure::OutOfMemory:
        return "not enough memory for the recording";
    case MferDecodeFailure::TooManyFrames:
        return "more than 128 frames";
    case MferDecodeFailure::None:
        break;
    }
    return {};
}

const MferAttributes* CMferFile::GetFrameAttributes(int nFrame) const {
    if (nFrame < 0 || nFrame >= m_nFrames)
        return nullptr;
    return m_apFrames[nFrame]->GetAttributes();
}

const MferAttributes* CMferFile::GetChannelAttributes(int nChannel) const {
    for (int f = 0; f < m_nFrames; ++f)
        if (const MferAttributes* pAttr = m_apFrames[f]->GetChannelAttributes(nChannel))
            return pAttr;
    return nullptr;
}

const MferAttributes* CMferFile::GetFrameChannelAttributes(int nFrame, int nChannel) const {
    if (nFrame < 0 || nFrame >= m_nFrames)
        return nullptr;
    return m_apFrames[nFrame]->GetChannelAttributes(nChannel);
}

uint16_t CMferFile::GetWaveformType(int nFrame) const {
    if (nFrame >= 0 && nFrame < m_nFrames)
        return m_apFrames[nFrame]->GetAttributes()->m_wWaveformType;
    return m_rootAttr.m_wWaveformType;
}

int CMferFile::GetTotalChannels() const {
    int nTotal = 0;
    for (int f = 0; f < m_nFrames; ++f)
        nTotal += m_apFrames[f]->GetChannelCount();
    return nTotal;
}

const int16_t* CMferFile::GetSamples(int byLead, int16_t key) const {
    for (int f = 0; f < m_nFrames; ++f)
        if (const int16_t* pSamples = m_apFrames[f]->GetSamples(byLead, key))
            return pSamples;
    return nullptr;
}

const int16_t* CMferFile::GetFrameSamples(int nFrame, int byLead, int16_t key) const {
    if (nFrame < 0 || nFrame >= m_nFrames)
        return nullptr;
    return m_apFrames[nFrame]->GetSamples(byLead, key);
}
