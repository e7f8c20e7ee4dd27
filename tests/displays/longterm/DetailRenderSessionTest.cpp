#include "cli/CCommandLine.h"
#include "cli/CJsonWriter.h"
#include "cli/CRenderOptions.h"
#include "cli/CRenderSession.h"

#include "LongTermRecording.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace {

// zelvo-cli render on a long-term recording: a click on the strip also writes the detail window.
class DetailRenderSessionTest : public testing::Test {
protected:
    void SetUp() override {
        const std::filesystem::path dir = std::filesystem::temp_directory_path();
        const std::string strStem = "zelvo-detail-session-" + std::to_string(getpid());
        m_strRecording = (dir / (strStem + ".mwf")).string();
        m_strDetail = (dir / (strStem + ".png")).string();
        LongTermRecording recording;
        recording.aChannels = FlatChannels(150'000, {0, 0});
        ASSERT_TRUE(recording.Build().WriteFile(m_strRecording));
    }
    void TearDown() override {
        std::filesystem::remove(m_strRecording);
        std::filesystem::remove(m_strDetail);
    }
    CRenderOptions Options(const std::vector<std::string>& extra) const {
        std::vector<std::string> args = {m_strRecording, "-o", m_strDetail + ".strip.png"};
        args.insert(args.end(), extra.begin(), extra.end());
        CRenderOptions options;
        std::string strError;
        EXPECT_TRUE(options.Parse(args, strError)) << strError;
        return options;
    }

    std::string m_strRecording;
    std::string m_strDetail;
};

TEST_F(DetailRenderSessionTest, StripClickWritesTheDetailWindowAndReportsItsValues) {
    const CRenderOptions options =
        Options({"--detail-out", m_strDetail, "--detail-mouse", "menu:32801 down:101,200 up:181,200"});
    CRenderSession session(options);
    ASSERT_EQ(session.Open(), CLI_EXIT_OK);
    session.PaintFirst();
    std::string strError;
    ASSERT_TRUE(session.SendMouse("down:152,300", strError)) << strError;
    EXPECT_TRUE(session.GetDetailError().empty()) << session.GetDetailError();
    EXPECT_EQ(QImage(QString::fromStdString(m_strDetail)).size(), QSize(500, 375));
    std::ostringstream report;
    CJsonWriter json(report);
    json.BeginObject();
    session.WriteReport(json);
    json.EndObject();
    EXPECT_NE(report.str().find(
                  R"("detail":{"viewSample":23000,"rangeStart":15500,"measureMode":2,"measureStep":2})"),
              std::string::npos)
        << report.str();
    std::filesystem::remove(m_strDetail + ".strip.png");
}

TEST_F(DetailRenderSessionTest, MalformedDetailEventIsReported) {
    const CRenderOptions options = Options({"--detail-mouse", "down:1"});
    CRenderSession session(options);
    ASSERT_EQ(session.Open(), CLI_EXIT_OK);
    session.PaintFirst();
    std::string strError;
    ASSERT_TRUE(session.SendMouse("down:152,300", strError));
    EXPECT_NE(session.GetDetailError().find("down:1"), std::string::npos);
}

} // namespace
