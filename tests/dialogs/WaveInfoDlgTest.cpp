#include "CViewHarness.h"
#include "TestCaseName.h"
#include "app/dialogs/CWaveInfoDlg.h"
#include "res/CResources.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include <array>
#include <filesystem>

#include <unistd.h>

namespace {

// Opens a one-channel recording with the given manufacturer text and version under the name
// rec01.mwf, and initialises the dialog on it.
class WaveInfoFixture {
public:
    explicit WaveInfoFixture(const std::string& strManufacturer, std::array<int8_t, 3> abyVersion = {1, 2, 3},
                             bool bWithVersion = true, const std::string& strCharCode = "") {
        CMferWriter writer;
        if (!strCharCode.empty()) {
            writer.Text(3, strCharCode);
        }
        if (bWithVersion) {
            writer.Version(abyVersion[0], abyVersion[1], abyVersion[2]);
        }
        writer.WaveformType(1).Channels(1).BlockLength(2).Sequences(1).SamplingRateHz(500);
        if (!strManufacturer.empty()) {
            writer.Text(23, strManufacturer);
        }
        writer.Waveform16({0, 0}).EndMark();
        // One folder per test process: the tests run in parallel and each writes its own rec01.mwf.
        const std::filesystem::path dir =
            std::filesystem::path(testing::TempDir()) / ("zelvo-wave-info-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        m_strPath = (dir / "rec01.mwf").string();
        EXPECT_TRUE(writer.WriteFile(m_strPath));
        EXPECT_TRUE(m_harness.Open(m_strPath));
        m_dialog.m_pView = &m_harness.View();
        m_dialog.OnInitDialog();
    }
    ~WaveInfoFixture() { std::filesystem::remove_all(std::filesystem::path(m_strPath).parent_path()); }

    std::vector<std::string> Fields() const {
        return {m_dialog.m_strMaker,  m_dialog.m_strModel,  m_dialog.m_strModelVersion,
                m_dialog.m_strSerial, m_dialog.m_strFilter, m_dialog.m_strComment};
    }

    CViewHarness m_harness;
    CWaveInfoDlg m_dialog{nullptr};
    std::string m_strPath;
};

struct SplitCase {
    const char* m_pszName;
    const char* m_pszManufacturer;
    std::vector<std::string> m_astrFields;
};

class WaveInfoSplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(WaveInfoSplitTest, ManufacturerTextFillsTheSixFields) {
    WaveInfoFixture fixture(GetParam().m_pszManufacturer);
    EXPECT_EQ(fixture.Fields(), GetParam().m_astrFields);
    EXPECT_EQ(fixture.m_dialog.GetDlgItemText(IDC_INFO_MODEL_VERSION), GetParam().m_astrFields[2]);
    EXPECT_EQ(fixture.m_dialog.GetDlgItemText(IDC_INFO_COMMENT), GetParam().m_astrFields[5]);
}

INSTANTIATE_TEST_SUITE_P(
    Manufacturer, WaveInfoSplitTest,
    testing::Values(SplitCase{"SixFields",
                              "Maker^Model^2.1^SN42^0.05-150Hz^Resting",
                              {"Maker", "Model", "2.1", "SN42", "0.05-150Hz", "Resting"}},
                    SplitCase{"SeventhDropped", "A^B^C^D^E^F^G^H", {"A", "B", "C", "D", "E", "F"}},
                    SplitCase{"EmptyBetweenTwoSeparators", "maker^^3.1", {"maker", "", "3.1", "", "", ""}},
                    SplitCase{"NoSeparator", "Maker only", {"Maker only", "", "", "", "", ""}},
                    SplitCase{"Empty", "", {"", "", "", "", "", ""}}),
    TestCaseName());

TEST(WaveInfoDlg, CaptionIsTheFileNameWithTheDetailText) {
    CResources::UseBuiltIn();
    WaveInfoFixture fixture("Maker");
    EXPECT_EQ(fixture.m_dialog.windowTitle().toStdString(), "rec01.mwf の詳細情報");
}

TEST(WaveInfoDlg, FileNameOfAPath) {
    EXPECT_EQ(CWaveInfoDlg::FileNameOf("/data/ecg/rec01.mwf"), "rec01.mwf");
    EXPECT_EQ(CWaveInfoDlg::FileNameOf("C:\\ecg\\rec01.mwf"), "rec01.mwf");
    EXPECT_EQ(CWaveInfoDlg::FileNameOf("rec01.mwf"), "rec01.mwf");
}

TEST(WaveInfoDlg, VersionBytesAreSigned) {
    WaveInfoFixture fixture("Maker", {-1, 2, 127});
    EXPECT_EQ(fixture.m_dialog.m_strVersion, "-1.2.127");
    EXPECT_EQ(fixture.m_dialog.GetDlgItemText(IDC_INFO_VERSION), "-1.2.127");
}

TEST(WaveInfoDlg, FileWithoutVersionShowsZeros) {
    WaveInfoFixture fixture("Maker", {}, false);
    EXPECT_EQ(fixture.m_dialog.m_strVersion, "0.0.0");
}

TEST(WaveInfoDlg, ShiftJisManufacturerIsDecodedBeforeItIsSplit) {
    // "データ" in Shift-JIS: the second byte of "タ" is 0x5E, the code of '^'.
    WaveInfoFixture fixture("\x83\x66\x81\x5b\x83\x5e^ECG", {1, 2, 3}, true, "SJIS");
    EXPECT_EQ(fixture.m_dialog.m_strMaker, "データ");
    EXPECT_EQ(fixture.m_dialog.m_strModel, "ECG");
}

TEST(WaveInfoDlg, ReadBackRefusesAVersionLongerThanSix) {
    WaveInfoFixture fixture("Maker", {10, 10, 10});
    EXPECT_EQ(fixture.m_dialog.DoDataExchangeSave(), IDC_INFO_VERSION);
    WaveInfoFixture shortVersion("Maker", {1, 10, 1});
    EXPECT_EQ(shortVersion.m_dialog.DoDataExchangeSave(), 0);
}

TEST(WaveInfoDlg, ControlsAreReadOnly) {
    WaveInfoFixture fixture("Maker");
    auto* pMaker = qobject_cast<QLineEdit*>(fixture.m_dialog.GetDlgItem(IDC_INFO_MAKER));
    ASSERT_NE(pMaker, nullptr);
    EXPECT_TRUE(pMaker->isReadOnly());
}

} // namespace
