#pragma once

#include "app/CZelvoDoc.h"
#include "cli/CRenderOptions.h"
#include "cli/CStderrPrompt.h"
#include "platform/CHeadlessViewWindow.h"
#include "platform/CMemoryProfile.h"
#include "view/CZelvoView.h"

#include <memory>
#include <string>

class CJsonWriter;

// One headless window with the view in it, driven as a person would drive the real one.
class CRenderSession {
public:
    explicit CRenderSession(const CRenderOptions& options);

    // The exit status of opening the file.
    int Open();
    void ApplySettings();
    void PaintFirst();
    // Sends "down:X,Y move:X,Y up:X,Y right:X,Y ..." to the view; false on a malformed event.
    bool SendMouse(const std::string& strScript, std::string& strError);
    double MedianPaintMs(int nRepeat);
    // The pages printed, -1 when the output could not be written.
    int PrintPages();
    int PrintPdf();
    bool SavePng(const std::string& strPath) const { return m_window.SavePng(strPath); }
    void WriteReport(CJsonWriter& json) const;

    CZelvoView& View() { return *m_pView; }
    CHeadlessViewWindow& Window() { return m_window; }

private:
    CSize PagePixels() const;

    const CRenderOptions& m_options;
    CStderrPrompt m_prompt{"zelvo-cli"};
    CZelvoDoc m_doc;
    CHeadlessViewWindow m_window;
    CMemoryProfile m_profile;
    std::unique_ptr<CZelvoView> m_pView;
    unsigned m_nButtons = 0;
};
