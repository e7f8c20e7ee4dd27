// Feeds arbitrary bytes to the decoder and reads back everything it decoded, so the sanitizers
// see every sample array and event the displays would touch.
#include "mfer/CMferFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    CMferFile file;
    file.Load(pData, static_cast<uint32_t>(nSize));
    file.Decode();
    volatile int nSum = 0;
    for (int f = 0; f < file.GetFrameCount(); ++f) {
        const MferAttributes* pFrame = file.GetFrameAttributes(f);
        for (const MferEvent* pEvent = pFrame->m_pFirstEvent; pEvent; pEvent = pEvent->pNext)
            nSum = nSum + pEvent->wCode;
        for (int c = 0; c < pFrame->m_nChannels && c < MFER_MAX_CHANNELS; ++c) {
            const MferAttributes* pChannel = file.GetFrameChannelAttributes(f, c);
            const int16_t* pSamples = file.GetFrameSamples(f, 0, static_cast<int16_t>(c));
            if (!pChannel || !pSamples)
                continue;
            const int64_t nSamples = static_cast<int64_t>(pChannel->m_nSequences) * pChannel->m_nBlockLength;
            for (int64_t i = 0; i < nSamples; ++i)
                nSum = nSum + pSamples[i];
        }
    }
    return 0;
}
