#include "CliTestFixture.h"

#include "TestCaseName.h"
#include "cli/CSamplesCommand.h"

namespace {

class CliSamplesTest : public CliTest {};

struct SamplesCase {
    const char* m_pszName;
    std::function<void(CMferWriter&)> build;
    std::vector<std::string> options;
    std::string expected;
};

class CliSamplesCaseTest : public CliSamplesTest, public testing::WithParamInterface<SamplesCase> {};

TEST_P(CliSamplesCaseTest, PrintsDecodedSamples) {
    CMferWriter w;
    GetParam().build(w);
    std::vector<std::string> args = {Write("f.mwf", w)};
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    ASSERT_EQ(Run(CSamplesCommand::Run, args), 0) << m_err;
    EXPECT_EQ(m_out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, CliSamplesCaseTest,
    testing::Values(
        SamplesCase{"ByteOrderSwitch",
                    [](CMferWriter& w) {
                        w.Waveform16({256}).ByteOrder(true).Sequences(2).Waveform16({256, -2});
                    },
                    {"--frame", "1"},
                    "index,ch0\n0,256\n1,-2\n"},
        SamplesCase{"BlockLengthTwo",
                    [](CMferWriter& w) {
                        w.Channels(2).BlockLength(2).Sequences(2).Waveform16({1, 2, 11, 12, 3, 4, 13, 14});
                    },
                    {},
                    "index,ch0,ch1\n0,1,11\n1,2,12\n2,3,13\n3,4,14\n"},
        SamplesCase{"EightBitDifferences",
                    [](CMferWriter& w) {
                        w.Encoding(1).BlockLength(3).Sequences(2).WaveformBytes({5, 0xFF, 2, 1, 1, 1});
                    },
                    {},
                    "index,ch0\n0,5\n1,4\n2,6\n3,7\n4,8\n5,9\n"},
        SamplesCase{"DerivedSequenceCount",
                    [](CMferWriter& w) {
                        w.Channels(2).Waveform16({1, 2, 3, 4, 5, 6, 7, 8});
                    },
                    {"--channel", "1", "--from", "1", "--count", "2"},
                    "index,ch1\n1,4\n2,6\n"},
        SamplesCase{"LongFormLengthsAndUnstatedBlock",
                    [](CMferWriter& w) {
                        w.ItemLongForm(4, {0, 0, 0, 1}, 3)
                            .ChannelBlockUnstated(0, [](CMferWriter& c) { c.LeadCode(2); })
                            .ItemLongForm(30, {0, 9, 0, 8}, 2);
                    },
                    {},
                    "index,ch0\n0,9\n1,8\n"},
        SamplesCase{"ShorterChannelLeavesCellsEmpty",
                    [](CMferWriter& w) {
                        w.Channels(2).Sequences(2).ChannelBlock(1, [](CMferWriter& c) { c.Sequences(1); });
                        w.Waveform16({1, 10, 2, 20});
                    },
                    {"--channel", "0,1"},
                    "index,ch0,ch1\n0,1,10\n1,2,\n"}),
    TestCaseName());

TEST_F(CliSamplesTest, RefusesChannelsAndFramesThatDoNotExist) {
    const std::string path = Write("f.mwf", CMferWriter().Channels(2).Waveform16({1, 2}));
    EXPECT_EQ(Run(CSamplesCommand::Run, {path, "--channel", "2"}), 2);
    EXPECT_NE(m_err.find("channel \"2\" does not exist"), std::string::npos);
    EXPECT_EQ(Run(CSamplesCommand::Run, {path, "--frame", "1"}), 2);
    EXPECT_EQ(Run(CSamplesCommand::Run, {path, "--from", "-1"}), 2);
    EXPECT_EQ(Run(CSamplesCommand::Run, {path, "--count", "x"}), 2);
    EXPECT_EQ(Run(CSamplesCommand::Run, {path, "--bogus"}), 2);
}

} // namespace
