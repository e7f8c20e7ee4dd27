#include "CMferWriter.h"

#include <fstream>
#include <stdexcept>

namespace {

constexpr uint8_t kTagByteOrder = 1;
constexpr uint8_t kTagVersion = 2;
constexpr uint8_t kTagBlockLength = 4;
constexpr uint8_t kTagChannels = 5;
constexpr uint8_t kTagSequences = 6;
constexpr uint8_t kTagWaveformType = 8;
constexpr uint8_t kTagLeadCode = 9;
constexpr uint8_t kTagDataType = 10;
constexpr uint8_t kTagSamplingInterval = 11;
constexpr uint8_t kTagResolution = 12;
constexpr uint8_t kTagEncoding = 14;
constexpr uint8_t kTagWaveform = 30;
constexpr uint8_t kTagChannelBlock = 0x3F;
constexpr uint8_t kTagMeasurementTime = 133;
constexpr uint8_t kTagEndMark = 0xFF;

constexpr size_t kShortFormLimit = 0x80;
constexpr uint8_t kLongFormFlag = 0x80;
constexpr int kMaxIntegerBytes = 8;
constexpr int kMaxLengthBytes = 0x7F;
constexpr uint32_t kLargestTwoByteMantissa = 0xFFFF;

int BytesNeeded(size_t value) {
    int n = 1;
    while (n < static_cast<int>(sizeof(size_t)) && (value >> (8 * n)) != 0) {
        ++n;
    }
    return n;
}

uint8_t ByteOf(uint64_t value, int index) {
    return static_cast<uint8_t>(value >> (8 * index));
}

} // namespace

CMferWriter& CMferWriter::Raw(std::initializer_list<uint8_t> bytes) {
    m_abyBytes.insert(m_abyBytes.end(), bytes.begin(), bytes.end());
    return *this;
}

CMferWriter& CMferWriter::Raw(const std::vector<uint8_t>& bytes) {
    m_abyBytes.insert(m_abyBytes.end(), bytes.begin(), bytes.end());
    return *this;
}

CMferWriter& CMferWriter::Item(uint8_t tag, const std::vector<uint8_t>& value) {
    m_abyBytes.push_back(tag);
    AppendLength(value.size());
    return Raw(value);
}

CMferWriter& CMferWriter::ItemLongForm(uint8_t tag, const std::vector<uint8_t>& value, int lengthBytes) {
    m_abyBytes.push_back(tag);
    AppendLongLength(value.size(), lengthBytes);
    return Raw(value);
}

CMferWriter& CMferWriter::ByteOrder(bool littleEndian) {
    Item(kTagByteOrder, {static_cast<uint8_t>(littleEndian ? 1 : 0)});
    m_bLittleEndian = littleEndian;
    return *this;
}

CMferWriter& CMferWriter::UInt(uint8_t tag, uint32_t value, int bytes) {
    return Item(tag, Integer(value, bytes));
}

CMferWriter& CMferWriter::BlockLength(uint32_t n) {
    return UInt(kTagBlockLength, n, 4);
}

CMferWriter& CMferWriter::Channels(uint32_t n) {
    return UInt(kTagChannels, n, 4);
}

CMferWriter& CMferWriter::Sequences(uint32_t n) {
    return UInt(kTagSequences, n, 4);
}

CMferWriter& CMferWriter::WaveformType(uint16_t code) {
    return UInt(kTagWaveformType, code, 2);
}

CMferWriter& CMferWriter::LeadCode(uint16_t code) {
    return UInt(kTagLeadCode, code, 2);
}

CMferWriter& CMferWriter::DataType(uint8_t code) {
    return UInt(kTagDataType, code, 1);
}

CMferWriter& CMferWriter::SamplingInterval(uint8_t unit, int8_t exponent, uint32_t mantissa,
                                           int mantissaBytes) {
    return Item(kTagSamplingInterval, ScaledValue(unit, exponent, mantissa, mantissaBytes));
}

CMferWriter& CMferWriter::SamplingRateHz(uint32_t hz) {
    return SamplingInterval(0, 0, hz, hz > kLargestTwoByteMantissa ? 4 : 2);
}

CMferWriter& CMferWriter::Resolution(uint8_t unit, int8_t exponent, uint32_t mantissa, int mantissaBytes) {
    return Item(kTagResolution, ScaledValue(unit, exponent, mantissa, mantissaBytes));
}

CMferWriter& CMferWriter::Encoding(uint8_t code) {
    return UInt(kTagEncoding, code, 1);
}

CMferWriter& CMferWriter::Text(uint8_t tag, const std::string& bytes) {
    return Item(tag, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

CMferWriter& CMferWriter::Version(int8_t major, int8_t minor, int8_t revision) {
    return Item(kTagVersion,
                {static_cast<uint8_t>(major), static_cast<uint8_t>(minor), static_cast<uint8_t>(revision)});
}

CMferWriter& CMferWriter::MeasurementTime(uint16_t year, uint8_t month, uint8_t day, uint8_t hour,
                                          uint8_t minute, uint8_t second, uint16_t ms, uint16_t us) {
    std::vector<uint8_t> value;
    AppendInteger(value, year, 2);
    value.insert(value.end(), {month, day, hour, minute, second});
    AppendInteger(value, ms, 2);
    AppendInteger(value, us, 2);
    return Item(kTagMeasurementTime, value);
}

CMferWriter& CMferWriter::Event(uint16_t code, uint32_t position, uint8_t tag) {
    std::vector<uint8_t> value;
    AppendInteger(value, code, 2);
    AppendInteger(value, position, 4);
    return Item(tag, value);
}

CMferWriter& CMferWriter::ChannelBlock(uint8_t channel, const std::function<void(CMferWriter&)>& items) {
    const CMferWriter nested = Nested(items);
    Raw({kTagChannelBlock, channel});
    AppendLength(nested.Size());
    return Raw(nested.Bytes());
}

CMferWriter& CMferWriter::ChannelBlockUnstated(uint8_t channel,
                                               const std::function<void(CMferWriter&)>& items) {
    const CMferWriter nested = Nested(items);
    Raw({kTagChannelBlock, channel, kLongFormFlag});
    Raw(nested.Bytes());
    return Raw({0x00, 0x00});
}

CMferWriter& CMferWriter::Waveform16(const std::vector<int16_t>& words) {
    PutWords(BeginWaveform(words.size()), words.data(), words.size());
    return *this;
}

CMferWriter& CMferWriter::WaveformBytes(const std::vector<uint8_t>& bytes) {
    return Item(kTagWaveform, bytes);
}

CMferWriter& CMferWriter::Waveform16Interleaved(const std::vector<const std::vector<int16_t>*>& channels,
                                                int blockLength) {
    return Waveform16Interleaved(channels, std::vector<int>(channels.size(), blockLength));
}

CMferWriter& CMferWriter::Waveform16Interleaved(const std::vector<const std::vector<int16_t>*>& channels,
                                                const std::vector<int>& blockLengths) {
    if (channels.empty() || blockLengths.size() != channels.size()) {
        throw std::invalid_argument("one block length per channel is needed");
    }
    size_t nWords = 0;
    for (size_t c = 0; c < channels.size(); ++c) {
        nWords += channels[c]->size();
    }
    const size_t nSequences =
        blockLengths[0] > 0 ? channels[0]->size() / static_cast<size_t>(blockLengths[0]) : 0;
    for (size_t c = 0; c < channels.size(); ++c) {
        if (blockLengths[c] <= 0 ||
            channels[c]->size() != nSequences * static_cast<size_t>(blockLengths[c])) {
            throw std::invalid_argument("every channel must hold the same number of whole blocks");
        }
    }

    uint8_t* pOut = BeginWaveform(nWords);
    for (size_t s = 0; s < nSequences; ++s) {
        for (size_t c = 0; c < channels.size(); ++c) {
            const size_t nBlock = static_cast<size_t>(blockLengths[c]);
            pOut = PutWords(pOut, channels[c]->data() + s * nBlock, nBlock);
        }
    }
    return *this;
}

CMferWriter& CMferWriter::EndMark() {
    return Raw({kTagEndMark, 0x01, 0x00});
}

bool CMferWriter::WriteFile(const std::string& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(m_abyBytes.data()),
               static_cast<std::streamsize>(m_abyBytes.size()));
    file.close();
    return !file.fail();
}

uint8_t* CMferWriter::BeginWaveform(size_t nWords) {
    m_abyBytes.push_back(kTagWaveform);
    AppendLength(2 * nWords);
    const size_t nStart = m_abyBytes.size();
    m_abyBytes.resize(nStart + 2 * nWords);
    return m_abyBytes.data() + nStart;
}

uint8_t* CMferWriter::PutWords(uint8_t* pOut, const int16_t* pWords, size_t nWords) const {
    const int nHigh = m_bLittleEndian ? 1 : 0;
    for (size_t i = 0; i < nWords; ++i) {
        const auto word = static_cast<uint16_t>(pWords[i]);
        pOut[nHigh] = static_cast<uint8_t>(word >> 8);
        pOut[1 - nHigh] = static_cast<uint8_t>(word);
        pOut += 2;
    }
    return pOut;
}

void CMferWriter::AppendLength(size_t length) {
    if (length < kShortFormLimit) {
        m_abyBytes.push_back(static_cast<uint8_t>(length));
    } else {
        AppendLongLength(length, BytesNeeded(length));
    }
}

void CMferWriter::AppendLongLength(size_t length, int lengthBytes) {
    if (lengthBytes < 0 || lengthBytes > kMaxLengthBytes) {
        throw std::invalid_argument("the long form holds 0 to 127 length bytes");
    }
    m_abyBytes.push_back(static_cast<uint8_t>(kLongFormFlag | lengthBytes));
    for (int i = lengthBytes - 1; i >= 0; --i) {
        m_abyBytes.push_back(i < static_cast<int>(sizeof(size_t)) ? ByteOf(length, i) : 0);
    }
}

void CMferWriter::AppendInteger(std::vector<uint8_t>& out, uint32_t value, int bytes) const {
    if (bytes < 1 || bytes > kMaxIntegerBytes) {
        throw std::invalid_argument("integers take 1 to 8 bytes");
    }
    for (int i = 0; i < bytes; ++i) {
        out.push_back(ByteOf(value, m_bLittleEndian ? i : bytes - 1 - i));
    }
}

std::vector<uint8_t> CMferWriter::Integer(uint32_t value, int bytes) const {
    std::vector<uint8_t> out;
    AppendInteger(out, value, bytes);
    return out;
}

std::vector<uint8_t> CMferWriter::ScaledValue(uint8_t unit, int8_t exponent, uint32_t mantissa,
                                              int mantissaBytes) const {
    std::vector<uint8_t> value{unit, static_cast<uint8_t>(exponent)};
    AppendInteger(value, mantissa, mantissaBytes);
    return value;
}

CMferWriter CMferWriter::Nested(const std::function<void(CMferWriter&)>& items) const {
    CMferWriter nested;
    nested.m_bLittleEndian = m_bLittleEndian;
    items(nested);
    return nested;
}
