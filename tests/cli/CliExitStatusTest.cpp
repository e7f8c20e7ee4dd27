#include "CliTestFixture.h"

#include <sys/wait.h>

#include <cstdio>

namespace {

class CliExitStatusTest : public CliTest {
protected:
    // Runs the real program and returns its exit status; what it prints is kept in m_out.
    int RunProgram(const std::string& arguments) {
        const std::string command = std::string(ZELVO_CLI_PATH) + " " + arguments + " 2>/dev/null";
        std::FILE* pPipe = popen(command.c_str(), "r");
        m_out.clear();
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof(buffer), pPipe)) > 0)
            m_out.append(buffer, n);
        const int nStatus = pclose(pPipe);
        return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    }
};

TEST_F(CliExitStatusTest, StatusTellsDecodedFromUndecodableFromMisuse) {
    const std::string good = Write("good.mwf", CMferWriter().Waveform16({1, 2}));
    const std::string bad = Write("bad.mwf", CMferWriter().Raw({0x08, 0x00}));
    EXPECT_EQ(RunProgram("info " + good), 0);
    EXPECT_EQ(RunProgram("samples " + good), 0);
    EXPECT_EQ(m_out, "index,ch0\n0,1\n1,2\n");
    EXPECT_EQ(RunProgram("info " + bad), 1);
    EXPECT_EQ(RunProgram("samples " + bad), 1);
    EXPECT_EQ(RunProgram("info " + (m_dir / "missing.mwf").string()), 2);
    EXPECT_EQ(RunProgram("info"), 2);
    EXPECT_EQ(RunProgram("frobnicate " + good), 2);
    EXPECT_EQ(RunProgram("--help"), 0);
    EXPECT_EQ(RunProgram("render --help"), 0);
    EXPECT_NE(m_out.find("--detail-out"), std::string::npos);
}

} // namespace
