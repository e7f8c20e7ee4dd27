#include "mfer/CMferTagReader.h"

#include "CMferWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

// Applies every item of the image, in order, to a set that starts at the defaults.
MferAttributes Apply(const std::vector<uint8_t>& image) {
    MferAttributes attr;
    attr.SetDefaults();
    CMferTagReader reader(image.data() + image.size());
    const uint8_t* p = image.data();
    while (p < image.data() + image.size()) {
        const int r = reader.DecodeTag(p, &attr);
        EXPECT_GE(r, 3) << "at byte " << (p - image.data());
        if (r < 3)
            break;
        p += r;
    }
    return attr;
}

MferAttributes Apply(const std::function<void(CMferWriter&)>& items) {
    CMferWriter writer;
    items(writer);
    return Apply(writer.Bytes());
}

struct ScaledCase {
    uint8_t byUnit;
    int8_t nExponent;
    uint32_t nMantissa;
    int32_t nExpected;
};

class SamplingIntervalTest : public testing::TestWithParam<ScaledCase> {};

TEST_P(SamplingIntervalTest, ConvertsToMicroseconds) {
    const ScaledCase& c = GetParam();
    EXPECT_EQ(Apply([&](CMferWriter& w) {
                  w.SamplingInterval(c.byUnit, c.nExponent, c.nMantissa);
              }).m_nSamplingInterval,
              c.nExpected);
}

INSTANTIATE_TEST_SUITE_P(Items, SamplingIntervalTest,
                         testing::Values(ScaledCase{0, 0, 500, 2000}, ScaledCase{0, -1, 5000, 2000},
                                         ScaledCase{0, 0, 1000, 1000}, ScaledCase{1, -3, 2, 2000},
                                         ScaledCase{1, -6, 250, 250}, ScaledCase{1, -7, 5, 0},
                                         ScaledCase{2, 0, 7, 7},
                                         // No interval follows from these: the item is skipped.
                                         ScaledCase{0, 0, 0, 1000}, ScaledCase{0, -100, 1, 1000},
                                         ScaledCase{1, 100, 1, 1000}, ScaledCase{1, 3, 60000, 1000}));

class ResolutionTest : public testing::TestWithParam<ScaledCase> {};

TEST_P(ResolutionTest, ConvertsToNanovolts) {
    const ScaledCase& c = GetParam();
    EXPECT_EQ(Apply([&](CMferWriter& w) { w.Resolution(c.byUnit, c.nExponent, c.nMantissa); }).m_nResolution,
              c.nExpected);
}

INSTANTIATE_TEST_SUITE_P(Items, ResolutionTest,
                         testing::Values(ScaledCase{0, -6, 5, 5000}, ScaledCase{0, -9, 1, 1},
                                         ScaledCase{0, -7, 25, 2500}, ScaledCase{3, 0, 100, 100},
                                         ScaledCase{0, 100, 1, 1250}));

TEST(DecodeTagTest, WaveformTypeFromOneOrTwoBytes) {
    EXPECT_EQ(Apply({0x08, 0x01, 0x14}).m_wWaveformType, 20);
    EXPECT_EQ(Apply({0x08, 0x02, 0x00, 0x28}).m_wWaveformType, 40);
    EXPECT_EQ(Apply({0x01, 0x01, 0x01, 0x08, 0x02, 0x00, 0x28}).m_wWaveformType, 10240);
}

TEST(DecodeTagTest, ByteOrderTakesEffectFromTheNextItem) {
    EXPECT_EQ(Apply({0x04, 0x02, 0x01, 0x00}).m_nBlockLength, 256);
    EXPECT_EQ(Apply({0x01, 0x01, 0x01, 0x04, 0x02, 0x01, 0x00}).m_nBlockLength, 1);
}

TEST(DecodeTagTest, OutOfRangeLengthsAreSkipped) {
    const MferAttributes attr = Apply({0x04, 0x05, 0, 0, 0, 0, 9, 0x02, 0x02, 1, 2, 0x0A, 0x02, 1, 2});
    EXPECT_EQ(attr.m_nBlockLength, 1);
    EXPECT_EQ(attr.m_abyVersion[0], 0);
    EXPECT_EQ(attr.m_byDataType, 0);
}

TEST(DecodeTagTest, ClearedTextFieldsDropLongerEarlierValues) {
    const MferAttributes attr = Apply([](CMferWriter& w) { w.Text(23, "ABCDEF").Text(23, "AB"); });
    EXPECT_EQ(MferFieldText(attr.m_szManufacturer), "AB");
    EXPECT_EQ(attr.m_szManufacturer[2], 0);
}

TEST(DecodeTagTest, FullTextFieldHasNoTerminator) {
    const MferAttributes attr = Apply([](CMferWriter& w) { w.Text(3, "0123456789ABCDEF"); });
    EXPECT_EQ(std::memcmp(attr.m_szCharCode, "0123456789ABCDEF", 16), 0);
    EXPECT_EQ(MferFieldText(attr.m_szCharCode), "0123456789ABCDEF");
}

TEST(DecodeTagTest, StoresTheRecordedFields) {
    const MferAttributes attr = Apply([](CMferWriter& w) {
        w.Version(2, 1, -1)
            .Channels(3)
            .Sequences(40)
            .LeadCode(62)
            .Encoding(1)
            .UInt(13, 0xFFFFFFF6, 4)
            .UInt(18, 0x8000, 2)
            .Text(27, "ID-42")
            .MeasurementTime(2026, 12, 11, 9, 30, 15, 250)
            .Item(131, {45, 0x00, 0x10})
            .Item(132, {2})
            .Item(21, {0x00, 0x07, 'x', 'y'});
    });
    EXPECT_EQ(attr.m_abyVersion[0], 2);
    EXPECT_EQ(attr.m_abyVersion[2], -1);
    EXPECT_EQ(attr.m_nChannels, 3);
    EXPECT_EQ(attr.m_nSequences, 40);
    EXPECT_EQ(attr.m_wLeadCode, 62);
    EXPECT_EQ(attr.m_byEncoding, 1);
    EXPECT_EQ(attr.m_nOffset, -10);
    EXPECT_EQ(attr.m_nNullValue, 0x8000);
    EXPECT_EQ(MferFieldText(attr.m_szPatientId), "ID-42");
    EXPECT_EQ(attr.m_tmMeasured.wYear, 2026);
    EXPECT_EQ(attr.m_tmMeasured.wSecond, 15);
    EXPECT_EQ(attr.m_tmMeasured.wMillisecond, 250);
    EXPECT_EQ(attr.m_wAgeYears, 45);
    EXPECT_EQ(attr.m_wAgeDays, 16);
    EXPECT_EQ(attr.m_wSex, 2);
    EXPECT_EQ(attr.m_wInfoCode, 7);
    EXPECT_EQ(MferFieldText(attr.m_szInfo), "xy");
}

TEST(DecodeTagTest, ShortDateLeavesUncoveredFieldsZero) {
    MferAttributes attr = Apply([](CMferWriter& w) {
        w.MeasurementTime(2026, 12, 11, 9, 30, 15, 250).Item(133, {0x07, 0xE9, 3});
    });
    EXPECT_EQ(attr.m_tmMeasured.wYear, 2025);
    EXPECT_EQ(attr.m_tmMeasured.wMonth, 3);
    EXPECT_EQ(attr.m_tmMeasured.wDay, 0);
    EXPECT_EQ(attr.m_tmMeasured.wMillisecond, 0);
}

TEST(DecodeTagTest, ResultCodesForSpecialTags) {
    const std::vector<uint8_t> image = {0xFF, 0x01, 0x00, 0x3F, 0x02, 0x1E, 0x02, 0x00, 0x01, 0x00, 0x00};
    CMferTagReader reader(image.data() + image.size());
    MferAttributes attr;
    attr.SetDefaults();
    EXPECT_EQ(reader.DecodeTag(image.data(), &attr), 0);
    EXPECT_EQ(reader.DecodeTag(image.data() + 3, &attr), 1);
    EXPECT_EQ(reader.DecodeTag(image.data() + 5, &attr), 2);
    EXPECT_EQ(reader.DecodeTag(image.data() + 9, &attr), -1);
}

TEST(DecodeTagTest, EventsWithoutAPoolAreDropped) {
    const MferAttributes attr = Apply([](CMferWriter& w) { w.Event(136, 100); });
    EXPECT_EQ(attr.m_pFirstEvent, nullptr);
}

} // namespace
