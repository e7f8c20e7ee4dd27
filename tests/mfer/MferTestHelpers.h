#pragma once

#include "mfer/CMferFile.h"

#include "CMferWriter.h"

#include <memory>
#include <vector>

// Decodes a writer's image; the result of Decode goes to *pnResult when asked for.
inline std::unique_ptr<CMferFile> DecodeImage(const std::vector<uint8_t>& image, int* pnResult = nullptr) {
    auto pFile = std::make_unique<CMferFile>();
    pFile->Load(image.data(), static_cast<uint32_t>(image.size()));
    const int nResult = pFile->Decode();
    if (pnResult)
        *pnResult = nResult;
    return pFile;
}

// A channel's whole sample array, as long as its attributes say.
inline std::vector<int16_t> ChannelSamples(const CMferFile& file, int nFrame, int nChannel) {
    const MferAttributes* pAttr = file.GetFrameChannelAttributes(nFrame, nChannel);
    const int16_t* pSamples = file.GetFrameSamples(nFrame, 0, static_cast<int16_t>(nChannel));
    if (!pAttr || !pSamples)
        return {};
    return std::vector<int16_t>(pSamples,
                                pSamples + static_cast<long>(pAttr->m_nSequences) * pAttr->m_nBlockLength);
}
