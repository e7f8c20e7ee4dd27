#pragma once

#include "res/ResourceTypes.h"

#include <QDialog>
#include <QFont>

#include <map>
#include <string>

class QComboBox;

// A modal dialog laid out from a dialog template of the active resources: every control is
// created at its dialog-unit rectangle scaled by the dialog font, and looked up by its id.
// Subclasses fill their controls in OnInitDialog and decide what OK writes in OnOK, so the
// logic runs (and is tested) without the dialog ever being shown.
class CTemplateDialog : public QDialog {
public:
    CTemplateDialog(int nTemplateId, QWidget* pParent);

    // Initialises the dialog, then runs it modally: QDialog::Accepted or QDialog::Rejected.
    int DoModal();

    virtual bool OnInitDialog() { return true; }

    QWidget* GetDlgItem(int nId) const;
    QComboBox* GetComboBox(int nId) const;
    std::string GetDlgItemText(int nId) const;
    void SetDlgItemText(int nId, const std::string& strText);
    void SetWindowText(const std::string& strText);

    // The dialog font of a template: its face mapped to an installed font of the same kind.
    static QFont DialogFont(const DialogTemplate& dialog);
    // Dialog units to pixels for a font, as the original platform converts them.
    static QRect DialogUnitsToPixels(const QFont& font, int x, int y, int cx, int cy);

protected:
    // The button with this id was clicked. IDOK goes to OnOK, IDCANCEL and IDCLOSE to OnCancel.
    virtual void OnCommand(int nId);
    virtual void OnOK() { accept(); }
    virtual void OnCancel() { reject(); }

private:
    void CreateControl(const DialogControl& control);
    QWidget* CreateWidget(const DialogControl& control);

    std::map<int, QWidget*> m_controls;
};
