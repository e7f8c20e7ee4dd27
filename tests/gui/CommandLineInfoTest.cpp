#include "app/CCommandLineInfo.h"

#include "TestCaseName.h"

#include <gtest/gtest.h>

namespace {

struct CommandLineCase {
    const char* m_pszName;
    std::vector<std::string> astrArgs;
    CCommandLineInfo::EShellCommand nCommand;
    std::string strFile;
    std::string strPrinter;
    bool bEmbedded;
};

class CommandLineInfoTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineInfoTest, Parses) {
    const CommandLineCase& c = GetParam();
    CCommandLineInfo info;
    info.ParseCommandLine(c.astrArgs);
    EXPECT_EQ(info.m_nShellCommand, c.nCommand);
    EXPECT_EQ(info.m_strFileName, c.strFile);
    EXPECT_EQ(info.m_strPrinterName, c.strPrinter);
    EXPECT_EQ(info.m_bRunEmbedded, c.bEmbedded);
}

using E = CCommandLineInfo;

INSTANTIATE_TEST_SUITE_P(
    Switches, CommandLineInfoTest,
    testing::Values(
        CommandLineCase{"Nothing", {}, E::FileNew, "", "", false},
        CommandLineCase{
            "AbsolutePathIsAFile", {"/data/rec01.mwf"}, E::FileOpen, "/data/rec01.mwf", "", false},
        CommandLineCase{"Print", {"/p", "rec.mwf"}, E::FilePrint, "rec.mwf", "", false},
        CommandLineCase{"PrintDashUpper", {"-P", "rec.mwf"}, E::FilePrint, "rec.mwf", "", false},
        CommandLineCase{"PrintTo", {"/pt", "rec.mwf", "Office"}, E::FilePrintTo, "rec.mwf", "Office", false},
        CommandLineCase{"RegServer", {"/REGSERVER"}, E::AppRegister, "", "", false},
        CommandLineCase{"RegServerMixedCase", {"/RegServer"}, E::AppRegister, "", "", false},
        CommandLineCase{"Unregister", {"-Unregister"}, E::AppUnregister, "", "", false},
        CommandLineCase{"Embedding", {"/Embedding"}, E::FileNew, "", "", true},
        CommandLineCase{"FileThenSecondParamIgnored", {"a.mwf", "b.mwf"}, E::FileOpen, "a.mwf", "", false}),
    TestCaseName());

} // namespace
