#include "CFrameFixture.h"
#include "CModalRecorder.h"

#include "app/dialogs/CColorSetDlg.h"
#include "app/dialogs/CWaveInfoDlg.h"
#include "res/Resource.h"

#include <QComboBox>

namespace {

using ViewDialogsTest = CFrameFixture;

TEST_F(ViewDialogsTest, InformationShowsTheManufacturerFieldsUnderTheFileName) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    std::vector<std::string> astrFields;
    CModalRecorder recorder([&](QWidget* pDialog) {
        if (auto* pInfo = dynamic_cast<CWaveInfoDlg*>(pDialog))
            astrFields = {pInfo->m_strVersion,      pInfo->m_strMaker,  pInfo->m_strModel,
                          pInfo->m_strModelVersion, pInfo->m_strSerial, pInfo->m_strFilter,
                          pInfo->m_strComment};
    });
    Trigger(ID_WAVE_INFO);
    ASSERT_EQ(recorder.GetModals().size(), 1u);
    EXPECT_EQ(recorder.GetModals()[0].strTitle, QStringLiteral("ecg12-resting.mwf の詳細情報"));
    EXPECT_EQ(astrFields, (std::vector<std::string>{"1.0.0", "Zelvo Demo", "ZR-12 resting", "2.1.0",
                                                    "ZR12-004711", "0.05-150Hz", "synthetic"}));
}

TEST_F(ViewDialogsTest, ColourDialogWritesAChangedSchemeToTheProfile) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    CModalRecorder recorder([](QWidget* pDialog) {
        if (auto* pColors = dynamic_cast<CColorSetDlg*>(pDialog)) {
            pColors->m_cbEcgBack->setCurrentIndex(2);
            pColors->OnOK();
        }
    });
    Trigger(ID_DISPLAY_COLOR);
    ASSERT_EQ(recorder.GetModals().size(), 1u);
    EXPECT_EQ(m_pProfile->GetProfileInt("ECG12", "BackColor", -1), 2);
    EXPECT_EQ(m_pProfile->GetProfileInt("Universal", "BackColor", -1), -1);
}

TEST_F(ViewDialogsTest, ColourDialogLeavesTheProfileAloneWhenNothingChanged) {
    ASSERT_TRUE(Open("ecg12-resting.mwf"));
    CModalRecorder recorder([](QWidget* pDialog) {
        if (auto* pColors = dynamic_cast<CColorSetDlg*>(pDialog))
            pColors->OnOK();
    });
    Trigger(ID_DISPLAY_COLOR);
    ASSERT_EQ(recorder.GetModals().size(), 1u);
    EXPECT_EQ(m_pProfile->GetProfileInt("ECG12", "BackColor", -1), -1);
    EXPECT_EQ(m_pProfile->GetProfileInt("ECG12", "WaveColor", -1), -1);
}

} // namespace

namespace {

TEST_F(ViewDialogsTest, HelpAboutShowsTheAboutBox) {
    CModalRecorder recorder;
    Trigger(ID_APP_ABOUT);
    ASSERT_EQ(recorder.GetModals().size(), 1u);
    EXPECT_EQ(recorder.GetModals()[0].strTitle, QStringLiteral("Zelvoのﾊﾞｰｼﾞｮﾝ情報"));
}

} // namespace
