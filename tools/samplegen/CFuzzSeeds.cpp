#include "CFuzzSeeds.h"

#include "MferCodes.h"

#include <cstdint>

namespace {

constexpr uint8_t kTagVersion = 2;
constexpr uint8_t kTagCharCode = 3;
constexpr uint8_t kTagBlockLength = 4;
constexpr uint8_t kTagPointer = 7;
constexpr uint8_t kTagWaveformType = 8;
constexpr uint8_t kTagLeadCode = 9;
constexpr uint8_t kTagOffset = 13;
constexpr uint8_t kTagTag15 = 15;
constexpr uint8_t kTagTag16 = 16;
constexpr uint8_t kTagNullValue = 18;
constexpr uint8_t kTagEvent19 = 19;
constexpr uint8_t kTagIgnored20 = 20;
constexpr uint8_t kTagInfo = 21;
constexpr uint8_t kTagComment = 22;
constexpr uint8_t kTagManufacturer = 23;
constexpr uint8_t kTagPatientName = 26;
constexpr uint8_t kTagPatientId = 27;
constexpr uint8_t kTagTime28 = 28;
constexpr uint8_t kTagMessage = 29;
constexpr uint8_t kTagWaveform = 30;
constexpr uint8_t kTagPreamble = 64;
constexpr uint8_t kTagEvent65 = 65;
constexpr uint8_t kTagIgnored66 = 66;
constexpr uint8_t kTagTag67 = 67;
constexpr uint8_t kTagPatientName129 = 129;
constexpr uint8_t kTagPatientId130 = 130;
constexpr uint8_t kTagAge = 131;
constexpr uint8_t kTagSex = 132;
constexpr uint8_t kTagMessage134 = 134;

// Tags that carry nothing the decoder keeps.
const uint8_t g_abySkippedTags[] = {0, 24, 100, 200};

constexpr uint16_t kEventFibrillation = 844;
constexpr uint16_t kEventUnknown = 128;
constexpr uint16_t kEventUnlisted = 999;

// A few cycles of a recognisable wave, different for each channel.
std::vector<int16_t> Wave(size_t nSamples, int nChannel) {
    std::vector<int16_t> anSamples;
    for (size_t i = 0; i < nSamples; ++i) {
        const int nPhase = static_cast<int>(i % 16);
        const int nTriangle = nPhase < 8 ? nPhase : 16 - nPhase;
        anSamples.push_back(static_cast<int16_t>((nTriangle - 4) * 50 * (nChannel + 1)));
    }
    return anSamples;
}

CMferWriter Minimal() {
    CMferWriter w;
    w.WaveformType(kTypeStandardEcg)
        .Channels(2)
        .BlockLength(1)
        .Sequences(3)
        .Waveform16({10, 20, 11, 21, 12, 22});
    return w;
}

CMferWriter StatedBlocks() {
    const auto a = Wave(8, 0), b = Wave(8, 1), c = Wave(8, 2);
    CMferWriter w;
    w.ByteOrder(true)
        .WaveformType(kTypeStandardEcg)
        .Channels(3)
        .BlockLength(4)
        .Sequences(2)
        .SamplingRateHz(500);
    w.Resolution(kUnitVolt, -7, 25);
    w.ChannelBlock(0, [](CMferWriter& b0) { b0.LeadCode(kLeadI); });
    w.ChannelBlock(1, [](CMferWriter& b1) { b1.LeadCode(kLeadII).Resolution(kUnitVolt, -6, 5); });
    w.ChannelBlock(2, [](CMferWriter& b2) { b2.LeadCode(kLeadV1); });
    w.Waveform16Interleaved({&a, &b, &c}, 4);
    return w;
}

CMferWriter UnstatedBlocks() {
    const auto a = Wave(10, 0), b = Wave(10, 1);
    CMferWriter w;
    w.WaveformType(kTypeStandardEcg).Channels(2).BlockLength(5).Sequences(2);
    w.ChannelBlockUnstated(0, [](CMferWriter& b0) { b0.LeadCode(kLeadAVR).SamplingRateHz(1000); });
    w.ChannelBlockUnstated(1, [](CMferWriter& b1) { b1.LeadCode(kLeadAVF).SamplingRateHz(1000); });
    w.Waveform16Interleaved({&a, &b}, 5);
    return w;
}

std::vector<uint8_t> BigEndianWords(const std::vector<int16_t>& anWords) {
    std::vector<uint8_t> abyBytes;
    for (int16_t nWord : anWords) {
        const auto wWord = static_cast<uint16_t>(nWord);
        abyBytes.push_back(static_cast<uint8_t>(wWord >> 8));
        abyBytes.push_back(static_cast<uint8_t>(wWord));
    }
    return abyBytes;
}

CMferWriter LongFormLengths() {
    CMferWriter w;
    w.WaveformType(kTypeStandardEcg).Channels(1).BlockLength(12).Sequences(1);
    w.ChannelBlock(0, [](CMferWriter& b0) { b0.LeadCode(kLeadV5).Text(kTagComment, std::string(150, 'c')); });
    w.ItemLongForm(kTagComment, {'l', 'o', 'n', 'g'}, 2);
    w.ItemLongForm(kTagWaveform, BigEndianWords(Wave(12, 0)), 4);
    return w;
}

CMferWriter HeaderItems() {
    CMferWriter w;
    w.ByteOrder(true).Version(1, 2, 3).Text(kTagCharCode, "ISO-8859-1").Text(kTagPreamble, "MFER seed");
    w.Text(kTagManufacturer, "maker^model^1.0^serial^filter^comment^dropped");
    w.Text(kTagFilter, "0.05-150Hz").Text(kTagComment, "comment");
    w.Text(kTagPatientName, "NAME^ONE").Text(kTagPatientName129, "NAME^TWO");
    w.Text(kTagPatientId, "0123456789ABCDEF").Text(kTagPatientId130, "ID2");
    w.Item(kTagAge, {42, 0x10, 0x00}).Item(kTagSex, {1});
    w.MeasurementTime(2024, 2, 29, 23, 59, 58, 999, 500);
    w.Item(kTagTime28, {0xE8, 0x07, 1, 2});
    w.Text(kTagMessage, "message").Text(kTagMessage134, "message 134");
    w.Item(kTagInfo, {0x01, 0x02, 'i', 'n', 'f', 'o'});
    w.UInt(kTagPointer, 7, 4).UInt(kTagOffset, 0xFFFFFFFF, 4).UInt(kTagNullValue, 0x8000, 2);
    w.Item(kTagTag15, {9, 9}).UInt(kTagTag16, 16, 2).UInt(kTagTag67, 67, 1);
    w.Item(kTagIgnored20, {1, 2, 3}).Item(kTagIgnored66, {4});
    for (uint8_t byTag : g_abySkippedTags) {
        w.Item(byTag, {byTag, 1});
    }
    // Lengths outside what the tags accept.
    w.UInt(kTagBlockLength, 2, 5).Item(kTagVersion, {1, 1});
    w.WaveformType(kTypePolygraph).Channels(1).BlockLength(1).Sequences(4).Waveform16({1, -1, 300, -300});
    return w;
}

CMferWriter Differences() {
    CMferWriter w;
    w.WaveformType(kTypeLongTermEcg).Channels(2).BlockLength(4).Sequences(3).Encoding(1);
    w.WaveformBytes({5,    0xFF, 2, 0x80, 1, 1, 1, 1, 0x7F, 0x7F, 0x7F, 0x7F,
                     0xF0, 0,    0, 0x10, 3, 3, 3, 3, 0xFD, 0xFD, 0xFD, 0xFD});
    return w;
}

CMferWriter Events() {
    const auto a = Wave(32, 0), b = Wave(32, 1);
    CMferWriter w;
    w.WaveformType(kTypeLongTermEcg).Channels(2).BlockLength(8).Sequences(4).SamplingRateHz(250);
    w.Event(kEventNormal, 3).Event(kEventVentricular, 11).Event(kEventSupraventricular, 19, kTagEvent19);
    w.Event(kEventFibrillation, 24).Event(kEventUnknown, 27).Event(kEventUnlisted, 30);
    w.Item(kTagEvent65, {0x00, 0x88, 0, 0, 0, 1, 0xAA, 0xBB});
    w.Item(kTagEvent65, {0x00, 0x88, 0});
    w.Waveform16Interleaved({&a, &b}, 8);
    w.Event(kEventNormal, 31);
    return w;
}

CMferWriter Frames() {
    const auto a = Wave(6, 0), b = Wave(6, 1);
    CMferWriter w;
    w.WaveformType(kTypeLongTermEcg)
        .Channels(2)
        .BlockLength(3)
        .Sequences(2)
        .Waveform16Interleaved({&a, &b}, 3);
    w.ByteOrder(true).Channels(1).Sequences(1).Waveform16(a);
    w.WaveformType(kTypeStandardEcg).Waveform16(b);
    return w;
}

CMferWriter DerivedSequences() {
    const auto a = Wave(10, 0), b = Wave(10, 1);
    CMferWriter w;
    w.WaveformType(kTypeStandardEcg).Channels(2).BlockLength(2).Waveform16Interleaved({&a, &b}, 2);
    return w;
}

CMferWriter MonitorBlocks() {
    const auto a = Wave(8, 0), p = Wave(4, 3);
    CMferWriter w;
    w.WaveformType(kTypeBloodPressure).Channels(2).Sequences(4);
    w.ChannelBlock(0, [](CMferWriter& b0) {
        b0.LeadCode(kLeadII)
            .DataType(kDataTypeSigned16)
            .BlockLength(2)
            .SamplingInterval(kUnitSecond, -6, 2000);
    });
    w.ChannelBlock(1, [](CMferWriter& b1) {
        b1.LeadCode(kLeadArterialPressure)
            .DataType(kDataTypeSigned16)
            .BlockLength(1)
            .SamplingInterval(kUnitSecond, -6, 4000)
            .Resolution(kUnitMmHg, -3, 125);
    });
    w.Waveform16Interleaved({&a, &p}, std::vector<int>{2, 1});
    return w;
}

CMferWriter ScaledUnits() {
    const auto a = Wave(6, 0), b = Wave(6, 1), c = Wave(6, 2);
    CMferWriter w;
    w.UInt(kTagWaveformType, kTypeEeg, 1).Channels(3).BlockLength(2).Sequences(3);
    w.SamplingInterval(kUnitHertz, -1, 5000, 4).Resolution(kUnitVolt, -9, 1, 1);
    w.ChannelBlock(0, [](CMferWriter& b0) {
        b0.LeadCode(kLeadEegElectrode | 12).SamplingInterval(kUnitSecond, -3, 2, 3).Resolution(2, 0, 100, 4);
    });
    w.ChannelBlock(1, [](CMferWriter& b1) {
        b1.LeadCode(kLeadEegElectrode | 74).SamplingInterval(kUnitSecond, -7, 5).Resolution(kUnitVolt, -6, 5);
    });
    w.ChannelBlock(2, [](CMferWriter& b2) { b2.SamplingInterval(2, 0, 7).UInt(kTagLeadCode, kLeadI, 1); });
    w.Waveform16Interleaved({&a, &b, &c}, 2);
    return w;
}

CMferWriter ZeroLengthItem() {
    CMferWriter w;
    w.WaveformType(kTypeStandardEcg).Channels(1).Raw({0x80, 0x00}).Waveform16({1, 2});
    return w;
}

CMferWriter Overrun() {
    CMferWriter w;
    w.WaveformType(kTypeStandardEcg).Channels(2).BlockLength(4).Sequences(8);
    w.ChannelBlock(5, [](CMferWriter& b5) { b5.LeadCode(kLeadV2); });
    w.Raw({kTagWaveform, 0x82, 0x01, 0x00, 0x00, 0x01, 0x00, 0x02});
    return w;
}

} // namespace

std::vector<SNamedImage> CFuzzSeeds::Seeds() {
    return {
        {"seed-01-minimal.mwf", Minimal()},
        {"seed-02-stated-blocks.mwf", StatedBlocks()},
        {"seed-03-unstated-blocks.mwf", UnstatedBlocks()},
        {"seed-04-long-form-lengths.mwf", LongFormLengths()},
        {"seed-05-header-items.mwf", HeaderItems()},
        {"seed-06-differences.mwf", Differences()},
        {"seed-07-events.mwf", Events()},
        {"seed-08-frames.mwf", Frames()},
        {"seed-09-derived-sequences.mwf", DerivedSequences()},
        {"seed-10-monitor-blocks.mwf", MonitorBlocks()},
        {"seed-11-scaled-units.mwf", ScaledUnits()},
        {"seed-12-zero-length-item.mwf", ZeroLengthItem()},
        {"seed-13-overrun.mwf", Overrun()},
    };
}
