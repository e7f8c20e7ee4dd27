#pragma once

#include "app/dialogs/CTemplateDialog.h"

#include <string>

class CZelvoView;
class CZelvoDoc;

// The waveform-data information dialog (dialog 139): the recording's MFER version and its
// manufacturer text split into maker, model, model version, serial number, filter and comment.
// It only shows; the close button and Escape leave without any check, Enter reads the texts
// back and refuses one longer than its control allows.
class CWaveInfoDlg : public CTemplateDialog {
public:
    explicit CWaveInfoDlg(QWidget* pParent);

    // Shows the information of the view's document modally.
    static void Run(QWidget* pParent, CZelvoView& view);

    bool OnInitDialog() override;
    // Reads the controls back into the members: the id of the first control whose text is too
    // long (its text then stays unread), or 0 when every text fits.
    int DoDataExchangeSave();

    // The file name of a path: everything after its last '/' or '\'.
    static std::string FileNameOf(const std::string& strPath);

    CZelvoView* m_pView = nullptr;
    std::string m_strVersion;
    std::string m_strMaker;
    std::string m_strModel;
    std::string m_strModelVersion;
    std::string m_strSerial;
    std::string m_strFilter;
    std::string m_strComment;

protected:
    void OnOK() override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void FillFromDocument(const CZelvoDoc& doc);
    void DoDataExchangeLoad();
};
