#include "app/CZelvoDoc.h"
#include "platform/IUserPrompt.h"

#include "CMferWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct Message {
    std::string text;
    std::string caption;
    unsigned style;
};

class CRecordingPrompt : public IUserPrompt {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override {
        messages.push_back({text, caption, style});
        return IDOK;
    }
    void BeginWaitCursor() override { ++nWaitDepth; }
    void EndWaitCursor() override { --nWaitDepth; }

    std::vector<Message> messages;
    int nWaitDepth = 0;
};

class CZelvoDocTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("zelvo-doc-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
        m_doc.SetPrompt(&m_prompt);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::string path = (m_dir / name).string();
        CMferWriter().Raw(bytes).WriteFile(path);
        return path;
    }

    std::filesystem::path m_dir;
    CRecordingPrompt m_prompt;
    CZelvoDoc m_doc;
};

std::vector<uint8_t> TwoChannelEcg() {
    CMferWriter w;
    w.WaveformType(1).Channels(2).Sequences(2);
    w.ChannelBlock(0, [](CMferWriter& c) { c.LeadCode(62); });
    w.ChannelBlock(1, [](CMferWriter& c) { c.LeadCode(9); });
    w.Waveform16({1, 2, 3, 4});
    return w.Bytes();
}

TEST_F(CZelvoDocTest, OpensAndLabelsChannels) {
    ASSERT_EQ(m_doc.OnOpenDocument(Write("ecg.mwf", TwoChannelEcg())), 1);
    EXPECT_EQ(m_doc.IsLoaded(), 1);
    EXPECT_TRUE(m_prompt.messages.empty());
    EXPECT_EQ(m_prompt.nWaitDepth, 0);
    EXPECT_EQ(m_doc.GetChannelLabel(0), "aVR");
    EXPECT_EQ(m_doc.GetChannelLabel(1), "CH:1");
    EXPECT_EQ(m_doc.GetChannelLabel(7), "CH:7");
    EXPECT_EQ(m_doc.GetTotalChannels(), 2);
    EXPECT_EQ(m_doc.GetSamples(1, 62)[1], 3);
}

TEST_F(CZelvoDocTest, UndecodableFileShowsTheFormatMessage) {
    ASSERT_EQ(m_doc.OnOpenDocument(Write("ecg.mwf", TwoChannelEcg())), 1);
    ASSERT_EQ(m_doc.OnOpenDocument(Write("bad.mwf", {0x08, 0x01, 0x01, 0x80, 0x00})), 0);
    EXPECT_EQ(m_doc.IsLoaded(), 0);
    EXPECT_EQ(m_doc.GetOpenError(), CZelvoDoc::OpenError::Decode);
    EXPECT_NE(m_doc.GetOpenErrorDetail().find("at byte 3"), std::string::npos);
    ASSERT_EQ(m_prompt.messages.size(), 1u);
    EXPECT_EQ(m_prompt.messages[0].text, "ファイルフォーマットが異常です");
    EXPECT_EQ(m_prompt.messages[0].caption, "ファイルオープンエラー");
    EXPECT_EQ(m_prompt.messages[0].style, MB_ICONSTOP | MB_OK);
    EXPECT_EQ(m_prompt.nWaitDepth, 0);
}

TEST_F(CZelvoDocTest, EmptyFileIsNotARecording) {
    EXPECT_EQ(m_doc.OnOpenDocument(Write("empty.mwf", {})), 0);
    EXPECT_EQ(m_doc.IsLoaded(), 0);
    ASSERT_EQ(m_prompt.messages.size(), 1u);
    EXPECT_EQ(m_prompt.messages[0].text, "ファイルフォーマットが異常です");
}

TEST_F(CZelvoDocTest, UnreadableFileLeavesTheLoadedRecording) {
    ASSERT_EQ(m_doc.OnOpenDocument(Write("ecg.mwf", TwoChannelEcg())), 1);
    EXPECT_EQ(m_doc.OnOpenDocument((m_dir / "missing.mwf").string()), 0);
    EXPECT_EQ(m_doc.GetOpenError(), CZelvoDoc::OpenError::Read);
    EXPECT_EQ(m_doc.IsLoaded(), 1);
    EXPECT_EQ(m_doc.GetChannelLabel(0), "aVR");
    ASSERT_EQ(m_prompt.messages.size(), 1u);
    EXPECT_NE(m_prompt.messages[0].text.find("missing.mwf"), std::string::npos);
    EXPECT_EQ(m_doc.OnOpenDocument(m_dir.string()), 0);
    EXPECT_EQ(m_doc.GetOpenError(), CZelvoDoc::OpenError::Read);
}

TEST_F(CZelvoDocTest, SecondFileReplacesTheFirst) {
    ASSERT_EQ(m_doc.OnOpenDocument(Write("ecg.mwf", TwoChannelEcg())), 1);
    ASSERT_EQ(m_doc.OnOpenDocument(Write("eeg.mwf", CMferWriter().WaveformType(40).Waveform16({9}).Bytes())),
              1);
    EXPECT_EQ(m_doc.GetFrameCount(), 1);
    EXPECT_EQ(m_doc.GetWaveformType(0), 40);
    EXPECT_EQ(m_doc.GetTotalChannels(), 1);
    EXPECT_EQ(m_doc.GetChannelLabel(0), "CH:0");
    EXPECT_EQ(m_doc.GetPathName(), (m_dir / "eeg.mwf").string());
}

} // namespace
