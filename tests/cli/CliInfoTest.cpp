#include "CliTestFixture.h"

#include "cli/CInfoCommand.h"

#include <QJsonArray>

namespace {

class CliInfoTest : public CliTest {
protected:
    QJsonObject InfoJson(const CMferWriter& writer) {
        EXPECT_EQ(Run(CInfoCommand::Run, {Write("f.mwf", writer), "--json"}), 0) << m_err;
        return Json();
    }
};

TEST_F(CliInfoTest, InheritanceAcrossTwoFrames) {
    CMferWriter w;
    w.WaveformType(1).Channels(2).SamplingRateHz(500).Resolution(0, -7, 25).Sequences(1).Text(
        23, "Acme^ECG-9^2.1^SN7");
    w.ChannelBlock(1, [](CMferWriter& c) { c.LeadCode(2); }).Waveform16({1, 2});
    w.Sequences(2).Waveform16({3, 4, 5, 6});
    const QJsonObject info = InfoJson(w);
    const QJsonArray frames = info["frames"].toArray();
    ASSERT_EQ(frames.size(), 2);
    const QJsonObject second = frames[1].toObject();
    EXPECT_EQ(second["waveformType"].toInt(), 1);
    EXPECT_EQ(second["samplingInterval"].toInt(), 2000);
    EXPECT_EQ(second["resolution"].toInt(), 2500);
    EXPECT_EQ(second["sequences"].toInt(), 2);
    EXPECT_EQ(second["manufacturerFields"].toObject()["model"].toString(), "ECG-9");
    // The second frame has no channel blocks: its channels take its own set, lead code 0.
    const QJsonArray channels = second["channels"].toArray();
    ASSERT_EQ(channels.size(), 2);
    EXPECT_EQ(channels[1].toObject()["leadCode"].toInt(), 0);
    EXPECT_EQ(channels[1].toObject()["label"].toString(), "CH:1");
    EXPECT_EQ(frames[0].toObject()["channels"].toArray()[1].toObject()["label"].toString(), "II");
    EXPECT_EQ(info["root"].toObject()["sequences"].toInt(), 2);
    EXPECT_TRUE(info["loaded"].toBool());
    EXPECT_TRUE(info["error"].isNull());
}

TEST_F(CliInfoTest, ChannelDetailsAndEvents) {
    CMferWriter w;
    w.ByteOrder(true).Channels(1).BlockLength(2).Encoding(1).UInt(13, 100, 2).UInt(18, 0x8000, 2);
    w.Event(136, 250).Event(860, 500).WaveformBytes({1, 2, 3, 4, 5, 6});
    const QJsonObject frame = InfoJson(w)["frames"].toArray()[0].toObject();
    EXPECT_EQ(frame["byteOrder"].toInt(), 1);
    const QJsonObject channel = frame["channels"].toArray()[0].toObject();
    EXPECT_EQ(channel["blockLength"].toInt(), 2);
    EXPECT_EQ(channel["encoding"].toInt(), 1);
    EXPECT_EQ(channel["offset"].toInt(), 100);
    EXPECT_EQ(channel["nullValue"].toInt(), 0x8000);
    EXPECT_EQ(channel["sequences"].toInt(), 3);
    EXPECT_EQ(channel["samples"].toInt(), 6);
    const QJsonArray events = frame["events"].toArray();
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[1].toObject()["code"].toInt(), 860);
    EXPECT_EQ(events[1].toObject()["position"].toInt(), 500);
}

TEST_F(CliInfoTest, UndecodableFileReportsWhereItFailed) {
    CMferWriter w;
    w.Channels(1).Raw({0x16, 0x00}).Waveform16({1});
    EXPECT_EQ(Run(CInfoCommand::Run, {Write("bad.mwf", w), "--json"}), 1);
    const QJsonObject info = Json();
    EXPECT_FALSE(info["loaded"].toBool());
    EXPECT_NE(info["error"].toString().indexOf("at byte 6"), -1);
    EXPECT_NE(m_err.find("ファイルフォーマットが異常です"), std::string::npos);
    EXPECT_NE(m_err.find("at byte 6"), std::string::npos);
}

TEST_F(CliInfoTest, TextReportForPeople) {
    CMferWriter w;
    w.WaveformType(1)
        .Channels(1)
        .SamplingRateHz(500)
        .Text(3, "SJIS")
        .Text(27, "\x8a\xb3\x8e\xd2")
        .Text(23, "Acme^ECG-9")
        .MeasurementTime(2026, 3, 4, 5, 6, 7);
    w.ChannelBlock(0, [](CMferWriter& c) { c.LeadCode(64); }).Event(920, 12).Waveform16({1, 2, 3});
    ASSERT_EQ(Run(CInfoCommand::Run, {Write("f.mwf", w)}), 0) << m_err;
    for (const char* pszExpected :
         {"2000 µs (500 Hz)", "big-endian", "患者", "maker \"Acme\", model \"ECG-9\"",
          "2026-03-04T05:06:07.000", "aVF", "Events: 1", "code 920 (S) at sample 12"})
        EXPECT_NE(m_out.find(pszExpected), std::string::npos) << pszExpected << "\n" << m_out;
}

} // namespace
