#pragma once

#include "app/dialogs/CTemplateDialog.h"
#include "platform/ColorRef.h"

#include <cstdint>
#include <functional>

class CZelvoView;
class IProfile;
class QComboBox;
class QLineEdit;
class QPushButton;

// The display-colour dialog (dialog 138): the grid scheme and trace colour of the 12-lead
// display ("ECG12") and of the universal display ("Universal"), kept in the profile. OK writes
// only what changed and ends as cancelled when nothing did, so the view repaints after a change.
class CColorSetDlg : public CTemplateDialog {
public:
    // Picks a colour starting from the given one; gives the start colour back when cancelled.
    using ColorChooser = std::function<COLORREF(COLORREF crInitial)>;

    CColorSetDlg(IProfile& profile, QWidget* pParent);

    // Runs the dialog on the view's profile: true when it ended with OK, after a change.
    static bool Run(QWidget* pParent, CZelvoView& view);

    bool OnInitDialog() override;
    void OnOK() override;
    void OnEcgColor();
    void OnUniColor();
    void SetColorChooser(ColorChooser chooser) { m_chooseColor = std::move(chooser); }

    QComboBox* m_cbEcgBack = nullptr;
    QLineEdit* m_edEcgWave = nullptr;
    QComboBox* m_cbUniBack = nullptr;
    QLineEdit* m_edUniWave = nullptr;
    QPushButton* m_btnEcgColor = nullptr;
    QPushButton* m_btnUniColor = nullptr;
    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnCancel = nullptr;
    int32_t m_nEcgBack;
    int32_t m_crEcgWaveOld;
    int32_t m_nUniBack;
    int32_t m_crUniWaveOld;
    int32_t m_nEcgScale;
    int32_t m_nUniScale;
    int32_t m_crEcgWave;
    int32_t m_crUniWave;

protected:
    void OnCommand(int nId) override;

private:
    void DoDataExchangeControls();
    void OnCtlColor();
    bool WriteChanges();

    IProfile& m_profile;
    ColorChooser m_chooseColor;
};
