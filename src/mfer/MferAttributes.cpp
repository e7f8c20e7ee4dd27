#include "mfer/MferAttributes.h"

#include <cstring>

void MferAttributes::Clear() {
    std::memset(static_cast<void*>(this), 0, sizeof(*this));
}

void MferAttributes::SetDefaults() {
    Clear();
    std::memcpy(m_szCharCode, "ASCII", sizeof("ASCII"));
    m_nSamplingInterval = 1000;
    m_nResolution = 1250;
    m_nBlockLength = 1;
    m_nChannels = 1;
}
