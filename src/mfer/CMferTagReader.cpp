#include "mfer/CMferTagReader.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr uint8_t LONG_FORM_BIT = 0x80;

// The decimal power of the sampling and resolution items, or false when it does not fit the
// 32-bit field it is meant for.
bool TruncatedFits(double value, int32_t& result) {
    const double truncated = std::trunc(value);
    if (!(truncated >= std::numeric_limits<int32_t>::min() &&
          truncated <= std::numeric_limits<int32_t>::max()))
        return false;
    result = static_cast<int32_t>(truncated);
    return true;
}

template <std::size_t N>
void CopyText(char (&field)[N], const uint8_t* pValue, uint32_t nLength, bool bClearFirst) {
    if (bClearFirst)
        std::memset(field, 0, N);
    std::memcpy(field, pValue, nLength < N ? nLength : N);
}

} // namespace

void CMferTagReader::ClearItem() {
    m_pTag = nullptr;
    m_pValue = nullptr;
    m_byTag = 0;
}

int CMferTagReader::ReadTag(const uint8_t* p) {
    // An item whose header or value would run past the image and its end mark is malformed.
    if (p == nullptr || p + 2 > m_pLimit) {
        ClearItem();
        return 0;
    }
    m_pTag = p;
    m_byTag = p[0];
    const uint8_t lengthByte = p[1];
    uint32_t nLengthFieldBytes = 1;
    if (lengthByte & LONG_FORM_BIT) {
        const uint32_t n = lengthByte & 0x7Fu;
        if (n > static_cast<uint32_t>(m_pLimit - (p + 2))) {
            ClearItem();
            return 0;
        }
        m_nLength = DecodeBytes(0, p + 2, n);
        nLengthFieldBytes += n;
    } else {
        m_nLength = lengthByte;
    }
    if (m_byTag != MFER_TAG_CHANNEL && m_nLength == 0) {
        ClearItem();
        return 0;
    }
    const uint8_t* pValue = p + 1 + nLengthFieldBytes;
    // The channel tag's "length" is its channel number; its block is read by the channel.
    if (m_byTag != MFER_TAG_CHANNEL && m_nLength > static_cast<uint64_t>(m_pLimit - pValue)) {
        ClearItem();
        return 0;
    }
    m_pValue = pValue;
    m_nTotal = 1 + nLengthFieldBytes + m_nLength;
    return 1;
}

uint32_t CMferTagReader::DecodeInteger(int byteOrder) const {
    return DecodeBytes(byteOrder, m_pValue, m_nLength);
}

uint32_t CMferTagReader::DecodeBytes(int byteOrder, const uint8_t* p, uint32_t n) {
    uint32_t value = 0;
    if (byteOrder == 0) {
        for (uint32_t i = 0; i < n; ++i)
            value = value * 256u + p[i];
    } else {
        // Bytes past the fourth would be multiplied by 256^4, which is 0 in 32 bits.
        const uint32_t nCounted = n < 4 ? n : 4;
        for (uint32_t i = 0; i < nCounted; ++i)
            value += static_cast<uint32_t>(p[i]) << (8 * i);
    }
    return value;
}

uint16_t CMferTagReader::ReadWord(int byteOrder, const uint8_t* p) {
    if (byteOrder == 0)
        return static_cast<uint16_t>((p[0] << 8) | p[1]);
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

MferEvent* CMferTagReader::AllocEvent() {
    if (m_nEventsFree < 1 || m_pEventPool == nullptr)
        return nullptr;
    --m_nEventsFree;
    return &m_pEventPool[m_nEventsFree];
}

int CMferTagReader::DecodeTag(const uint8_t* p, MferAttributes* pAttr) {
    if (!ReadTag(p))
        return -1;
    switch (m_byTag) {
    case MFER_TAG_END:
        return 0;
    case MFER_TAG_CHANNEL:
        return 1;
    case MFER_TAG_WAVEFORM:
        return 2;
    default:
        ApplyItem(*pAttr);
        return static_cast<int>(m_nTotal);
    }
}

void CMferTagReader::ApplyItem(MferAttributes& attr) {
    const int order = attr.m_nByteOrder;
    const uint8_t* v = m_pValue;
    switch (m_byTag) {
    case 1:
        if (LengthIn(1, 1))
            attr.m_nByteOrder = static_cast<int8_t>(v[0]);
        break;
    case 2:
        if (LengthIn(3, 3))
            for (int i = 0; i < 3; ++i)
                attr.m_abyVersion[i] = static_cast<int8_t>(v[i]);
        break;
    case 3:
        if (LengthIn(1, 16))
            CopyText(attr.m_szCharCode, v, m_nLength, false);
        break;
    case 4:
        if (LengthIn(1, 4))
            attr.m_nBlockLength = static_cast<int32_t>(DecodeInteger(order));
        break;
    case 5:
        if (LengthIn(1, 4))
            attr.m_nChannels = static_cast<int32_t>(DecodeInteger(order));
        break;
    case 6:
        if (LengthIn(1, 4))
            attr.m_nSequences = static_cast<int32_t>(DecodeInteger(order));
        break;
    case 7:
        if (LengthIn(1, 4))
            attr.m_nPointer = static_cast<int32_t>(DecodeInteger(order));
        break;
    case 8:
        attr.m_wWaveformType = static_cast<uint16_t>(m_nLength == 1 ? v[0] : DecodeBytes(order, v, 2));
        break;
    case 9:
        attr.m_wLeadCode = static_cast<uint16_t>(m_nLength == 1 ? v[0] : DecodeBytes(order, v, 2));
        break;
    case 10:
        if (LengthIn(1, 1))
            attr.m_byDataType = v[0];
        break;
    case 11:
        if (LengthIn(3, 6))
            ApplySamplingInterval(attr);
        break;
    case 12:
        if (LengthIn(3, 6))
            ApplyResolution(attr);
        break;
    case 13:
        attr.m_nOffset = static_cast<int32_t>(DecodeInteger(order));
        break;
    case 14:
        if (LengthIn(1, 1))
            attr.m_byEncoding = v[0];
        break;
    case 15:
        attr.m_byTag15 = v[0];
        break;
    case 16:
    case 67:
        if (LengthIn(1, 4))
            attr.m_nTag16 = static_cast<int32_t>(DecodeInteger(order));
        break;
    case 17:
        if (LengthIn(1, 32))
            CopyText(attr.m_szFilter, v, m_nLength, true);
        break;
    case 18:
        attr.m_nNullValue = static_cast<int32_t>(DecodeInteger(order));
        break;
    case 19:
    case 65:
        if (m_nLength >= 6)
            ApplyEvent(attr);
        break;
    case 21:
        if (LengthIn(2, 34)) {
            attr.m_wInfoCode = static_cast<uint16_t>(DecodeBytes(order, v, 2));
            CopyText(attr.m_szInfo, v + 2, m_nLength - 2, false);
        }
        break;
    case 22:
        if (LengthIn(1, 256))
            CopyText(attr.m_szComment, v, m_nLength, true);
        break;
    case 23:
        if (LengthIn(1, 64))
            CopyText(attr.m_szManufacturer, v, m_nLength, true);
        break;
    case 26:
    case 129:
        if (LengthIn(1, 128))
            CopyText(attr.m_szPatientName, v, m_nLength, false);
        break;
    case 27:
    case 130:
        if (LengthIn(1, 16))
            CopyText(attr.m_szPatientId, v, m_nLength, false);
        break;
    case 28:
    case 133:
        if (LengthIn(1, 11))
            ApplyMeasurementTime(attr);
        break;
    case 29:
    case 134:
        if (LengthIn(1, 1024))
            CopyText(attr.m_szMessage, v, m_nLength, false);
        break;
    case 64:
        if (LengthIn(1, 34))
            CopyText(attr.m_szPreamble, v, m_nLength, false);
        break;
    case 131:
        if (LengthIn(1, 3))
            ApplyAge(attr);
        break;
    case 132:
        if (LengthIn(1, 1))
            attr.m_wSex = v[0];
        break;
    default:
        break; // not a tag the program uses: skipped
    }
}

void CMferTagReader::ApplyEvent(MferAttributes& attr) {
    const int order = attr.m_nByteOrder;
    MferEvent* pEvent = AllocEvent();
    if (pEvent == nullptr)
        return;
    pEvent->pNext = nullptr;
    pEvent->wCode = static_cast<int16_t>(DecodeBytes(order, m_pValue, 2));
    pEvent->nPosition = static_cast<int32_t>(DecodeBytes(order, m_pValue + 2, 4));
    if (attr.m_pLastEvent == nullptr)
        attr.m_pFirstEvent = pEvent;
    else
        attr.m_pLastEvent->pNext = pEvent;
    attr.m_pLastEvent = pEvent;
}

void CMferTagReader::ApplyMeasurementTime(MferAttributes& attr) const {
    // Fields the value does not reach are zero: a shorter item states a coarser time.
    struct Field {
        uint32_t nOffset;
        uint32_t nBytes;
        uint16_t MferTime::*pMember;
    };
    static constexpr Field fields[] = {
        {0, 2, &MferTime::wYear},        {2, 1, &MferTime::wMonth},       {3, 1, &MferTime::wDay},
        {4, 1, &MferTime::wHour},        {5, 1, &MferTime::wMinute},      {6, 1, &MferTime::wSecond},
        {7, 2, &MferTime::wMillisecond}, {9, 2, &MferTime::wMicrosecond},
    };
    MferTime time{};
    for (const Field& field : fields)
        if (field.nOffset + field.nBytes <= m_nLength)
            time.*field.pMember =
                static_cast<uint16_t>(DecodeBytes(attr.m_nByteOrder, m_pValue + field.nOffset, field.nBytes));
    attr.m_tmMeasured = time;
}

void CMferTagReader::ApplyAge(MferAttributes& attr) const {
    attr.m_wAgeYears = m_pValue[0];
    attr.m_wAgeDays =
        m_nLength == 3 ? static_cast<uint16_t>(DecodeBytes(attr.m_nByteOrder, m_pValue + 1, 2)) : 0;
}

void CMferTagReader::ApplySamplingInterval(MferAttributes& attr) const {
    const uint8_t unit = m_pValue[0];
    const int exponent = static_cast<int8_t>(m_pValue[1]);
    const uint32_t mantissa = DecodeBytes(attr.m_nByteOrder, m_pValue + 2, m_nLength - 2);
    int32_t power = 0;
    switch (unit) {
    case 0: // a frequency in hertz; an item that cannot give an interval is skipped
        if (mantissa != 0 && TruncatedFits(std::pow(10.0, 6 - exponent), power))
            attr.m_nSamplingInterval = static_cast<int32_t>(static_cast<int64_t>(power) / mantissa);
        break;
    case 1: { // an interval in seconds
        if (!TruncatedFits(std::pow(10.0, exponent + 6), power))
            break;
        int32_t interval = 0;
        if (TruncatedFits(static_cast<double>(power) * mantissa, interval))
            attr.m_nSamplingInterval = interval;
        break;
    }
    default:
        attr.m_nSamplingInterval = static_cast<int32_t>(mantissa);
        break;
    }
}

void CMferTagReader::ApplyResolution(MferAttributes& attr) const {
    const uint8_t unit = m_pValue[0];
    const int exponent = static_cast<int8_t>(m_pValue[1]);
    const uint32_t mantissa = DecodeBytes(attr.m_nByteOrder, m_pValue + 2, m_nLength - 2);
    if (unit != 0) {
        attr.m_nResolution = static_cast<int32_t>(mantissa);
        return;
    }
    int32_t nanovolts = 0;
    if (TruncatedFits(std::pow(10.0, exponent + 9) * mantissa, nanovolts))
        attr.m_nResolution = nanovolts;
}
