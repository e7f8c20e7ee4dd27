#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Builds MFER images byte by byte, so that every test and sample states exactly what it feeds the decoder.
// Integer values and 16-bit samples follow the byte order set by the last ByteOrder call (big-endian until
// then); item lengths in the long form are always big-endian.
class CMferWriter {
public:
    CMferWriter& Raw(std::initializer_list<uint8_t> bytes);
    CMferWriter& Raw(const std::vector<uint8_t>& bytes);

    // Short length form below 128 bytes, otherwise the shortest long form.
    CMferWriter& Item(uint8_t tag, const std::vector<uint8_t>& value);
    // Long length form with exactly lengthBytes length bytes (0 gives the bare 0x80 length byte).
    CMferWriter& ItemLongForm(uint8_t tag, const std::vector<uint8_t>& value, int lengthBytes);

    CMferWriter& ByteOrder(bool littleEndian);
    // Integer item of 1 to 8 bytes; bytes beyond the fourth are zero.
    CMferWriter& UInt(uint8_t tag, uint32_t value, int bytes);
    // Block length, channel and sequence counts are written with 4-byte values.
    CMferWriter& BlockLength(uint32_t n);
    CMferWriter& Channels(uint32_t n);
    CMferWriter& Sequences(uint32_t n);
    CMferWriter& WaveformType(uint16_t code);
    CMferWriter& LeadCode(uint16_t code);
    CMferWriter& DataType(uint8_t code);
    CMferWriter& SamplingInterval(uint8_t unit, int8_t exponent, uint32_t mantissa, int mantissaBytes = 2);
    CMferWriter& SamplingRateHz(uint32_t hz);
    CMferWriter& Resolution(uint8_t unit, int8_t exponent, uint32_t mantissa, int mantissaBytes = 2);
    CMferWriter& Encoding(uint8_t code);
    CMferWriter& Text(uint8_t tag, const std::string& bytes);
    CMferWriter& Version(int8_t major, int8_t minor, int8_t revision);
    CMferWriter& MeasurementTime(uint16_t year, uint8_t month, uint8_t day, uint8_t hour, uint8_t minute,
                                 uint8_t second, uint16_t ms = 0, uint16_t us = 0);
    CMferWriter& Event(uint16_t code, uint32_t position, uint8_t tag = 65);

    // 0x3F, the channel number, the length of the nested items and the items that `items` writes. The
    // nested writer starts in this writer's byte order; a byte order it sets stays inside the block.
    CMferWriter& ChannelBlock(uint8_t channel, const std::function<void(CMferWriter&)>& items);
    // The same with the length byte 0x80 (no stated length) and the closing 00 00.
    CMferWriter& ChannelBlockUnstated(uint8_t channel, const std::function<void(CMferWriter&)>& items);

    CMferWriter& Waveform16(const std::vector<int16_t>& words);
    CMferWriter& WaveformBytes(const std::vector<uint8_t>& bytes);
    // One waveform item for channels of equal length, block by block: sequence 0 holds one block of each
    // channel in channel order, then sequence 1, and so on.
    CMferWriter& Waveform16Interleaved(const std::vector<const std::vector<int16_t>*>& channels,
                                       int blockLength);
    // The same with a block length per channel, as recorders with several sampling rates write it. Every
    // channel must hold the same number of whole blocks; std::invalid_argument otherwise.
    CMferWriter& Waveform16Interleaved(const std::vector<const std::vector<int16_t>*>& channels,
                                       const std::vector<int>& blockLengths);
    CMferWriter& EndMark();

    const std::vector<uint8_t>& Bytes() const { return m_abyBytes; }
    size_t Size() const { return m_abyBytes.size(); }
    bool WriteFile(const std::string& path) const;

private:
    // Writes the waveform item's header and makes room for its words; returns where the first word goes.
    uint8_t* BeginWaveform(size_t nWords);
    uint8_t* PutWords(uint8_t* pOut, const int16_t* pWords, size_t nWords) const;
    void AppendLength(size_t length);
    void AppendLongLength(size_t length, int lengthBytes);
    void AppendInteger(std::vector<uint8_t>& out, uint32_t value, int bytes) const;
    std::vector<uint8_t> Integer(uint32_t value, int bytes) const;
    std::vector<uint8_t> ScaledValue(uint8_t unit, int8_t exponent, uint32_t mantissa,
                                     int mantissaBytes) const;
    CMferWriter Nested(const std::function<void(CMferWriter&)>& items) const;

    std::vector<uint8_t> m_abyBytes;
    bool m_bLittleEndian = false;
};
