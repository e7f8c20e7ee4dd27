#include "TestCaseName.h"
#include "app/dialogs/CColorSetDlg.h"
#include "platform/CMemoryProfile.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <tuple>
#include <vector>

namespace {

struct ProfileValue {
    std::string strSection;
    std::string strEntry;
    int nValue;
    bool operator==(const ProfileValue&) const = default;
};

void PrintTo(const ProfileValue& value, std::ostream* pOut) {
    *pOut << value.strSection << "/" << value.strEntry << "=" << value.nValue;
}

// A profile that remembers every write in order.
class CRecordingProfile : public CMemoryProfile {
public:
    bool WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue) override {
        m_writes.push_back({strSection, strEntry, nValue});
        return CMemoryProfile::WriteProfileInt(strSection, strEntry, nValue);
    }
    std::vector<ProfileValue> m_writes;
};

constexpr int kLeave = -1;

struct ColorCase {
    const char* m_pszName;
    std::vector<ProfileValue> m_stored;
    int m_nEcgIndex;                     // the 12-lead list's choice, or kLeave
    int m_nUniIndex;                     // the universal list's choice, or kLeave
    std::optional<COLORREF> m_crUniPick; // what the colour chooser returns for the universal trace
    std::vector<ProfileValue> m_writes;  // what OK writes, in order
    bool m_bAccepted;
};

class ColorSetDlgTest : public testing::TestWithParam<ColorCase> {};

TEST_P(ColorSetDlgTest, OkWritesOnlyWhatChanged) {
    const ColorCase& test = GetParam();
    CRecordingProfile profile;
    for (const ProfileValue& value : test.m_stored) {
        profile.CMemoryProfile::WriteProfileInt(value.strSection, value.strEntry, value.nValue);
    }
    CColorSetDlg dialog(profile, nullptr);
    dialog.OnInitDialog();
    if (test.m_nEcgIndex != kLeave) {
        dialog.m_cbEcgBack->setCurrentIndex(test.m_nEcgIndex);
    }
    if (test.m_nUniIndex != kLeave) {
        dialog.m_cbUniBack->setCurrentIndex(test.m_nUniIndex);
    }
    if (test.m_crUniPick) {
        dialog.SetColorChooser([&](COLORREF) { return *test.m_crUniPick; });
        dialog.OnUniColor();
    }
    dialog.OnOK();
    EXPECT_EQ(profile.m_writes, test.m_writes);
    EXPECT_EQ(dialog.result(), test.m_bAccepted ? QDialog::Accepted : QDialog::Rejected);
}

const ProfileValue kUni3{"Universal", "BackColor", 3};
const ProfileValue kUniRuler{"Universal", "ScaleWidth", 1};

INSTANTIATE_TEST_SUITE_P(
    Profiles, ColorSetDlgTest,
    testing::Values(ColorCase{"EmptyProfileUnchanged", {}, kLeave, kLeave, std::nullopt, {}, false},
                    ColorCase{"UniversalGreen",
                              {},
                              kLeave,
                              1,
                              std::nullopt,
                              {{"Universal", "BackColor", 1}, {"Universal", "ScaleWidth", 0}},
                              true},
                    ColorCase{"EcgSchemeTwoToZero",
                              {{"ECG12", "BackColor", 2}},
                              0,
                              kLeave,
                              std::nullopt,
                              {{"ECG12", "BackColor", 0}, {"ECG12", "ScaleWidth", 0}},
                              true},
                    ColorCase{"Black5mmChosen", {}, kLeave, 4, std::nullopt, {kUni3, kUniRuler}, true},
                    ColorCase{"Black5mmKeptIsWrittenAgain",
                              {kUni3, kUniRuler},
                              kLeave,
                              kLeave,
                              std::nullopt,
                              {kUni3, kUniRuler, kUni3, kUniRuler},
                              true},
                    ColorCase{"Black5mmToBlack1mm",
                              {kUni3, kUniRuler},
                              kLeave,
                              3,
                              std::nullopt,
                              {{"Universal", "BackColor", 3}, {"Universal", "ScaleWidth", 0}},
                              true},
                    ColorCase{"UniversalTraceRed",
                              {},
                              kLeave,
                              kLeave,
                              COLORREF{0x0000FF},
                              {{"Universal", "WaveColor", 0xFF}},
                              true},
                    ColorCase{"ChooserCancelled", {}, kLeave, kLeave, COLORREF{0xFFFFFF}, {}, false},
                    ColorCase{"StoredSchemeOutOfRangeIsRepaired",
                              {{"ECG12", "BackColor", 7}, {"Universal", "BackColor", -2}},
                              kLeave,
                              kLeave,
                              std::nullopt,
                              {{"ECG12", "BackColor", 0},
                               {"ECG12", "ScaleWidth", 0},
                               {"Universal", "BackColor", 3},
                               {"Universal", "ScaleWidth", 0}},
                              true}),
    TestCaseName());

QColor SwatchColor(QLineEdit* pSwatch) {
    return pSwatch->palette().color(QPalette::Base);
}

TEST(ColorSetDlg, FirstRunSelectsDefaultsAndShowsBlackAndWhite) {
    CMemoryProfile profile;
    CColorSetDlg dialog(profile, nullptr);
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.m_cbEcgBack->currentIndex(), 0);
    EXPECT_EQ(dialog.m_cbUniBack->currentIndex(), 3);
    EXPECT_EQ(dialog.m_cbUniBack->currentText().toStdString(), "Black ( 1mm Scale )");
    EXPECT_EQ(SwatchColor(dialog.m_edEcgWave), QColor(Qt::black));
    EXPECT_EQ(SwatchColor(dialog.m_edUniWave), QColor(Qt::white));
    EXPECT_EQ(dialog.m_cbEcgBack->count(), 4);
    EXPECT_FALSE(dialog.m_btnEcgColor->isEnabled());
    EXPECT_TRUE(dialog.m_btnUniColor->isEnabled());
}

TEST(ColorSetDlg, StoredBlackWithRulerOpensOnTheFiveMillimetreItem) {
    CMemoryProfile profile;
    profile.WriteProfileInt("Universal", "BackColor", 3);
    profile.WriteProfileInt("Universal", "ScaleWidth", 1);
    CColorSetDlg dialog(profile, nullptr);
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.m_cbUniBack->currentText().toStdString(), "Black ( 5mm Scale )");
}

TEST(ColorSetDlg, ChosenColourShowsInTheSwatchAndCancelKeepsIt) {
    CMemoryProfile profile;
    profile.WriteProfileInt("ECG12", "WaveColor", 0x00FF00);
    CColorSetDlg dialog(profile, nullptr);
    dialog.OnInitDialog();
    COLORREF crOffered = 0;
    dialog.SetColorChooser([&](COLORREF crInitial) {
        crOffered = crInitial;
        return crInitial;
    });
    dialog.OnEcgColor();
    EXPECT_EQ(crOffered, 0x00FF00u);
    EXPECT_EQ(SwatchColor(dialog.m_edEcgWave), QColor(0, 255, 0));
    dialog.SetColorChooser([](COLORREF) { return COLORREF{0xFF0000}; });
    dialog.OnEcgColor();
    EXPECT_EQ(SwatchColor(dialog.m_edEcgWave), QColor(0, 0, 255));
    EXPECT_EQ(dialog.m_crEcgWave, 0xFF0000);
}

TEST(ColorSetDlg, CancelWritesNothing) {
    CRecordingProfile profile;
    CColorSetDlg dialog(profile, nullptr);
    dialog.OnInitDialog();
    dialog.m_cbUniBack->setCurrentIndex(0);
    dialog.m_btnCancel->click();
    EXPECT_TRUE(profile.m_writes.empty());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(ColorSetDlg, OkButtonRunsOk) {
    CRecordingProfile profile;
    CColorSetDlg dialog(profile, nullptr);
    dialog.OnInitDialog();
    dialog.m_cbEcgBack->setCurrentIndex(1);
    dialog.m_btnOK->click();
    EXPECT_EQ(profile.m_writes.size(), 2u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
