#pragma once

#include "app/CZelvoDoc.h"
#include "cli/CRenderOptions.h"
#include "cli/CStderrPrompt.h"
#include "platform/CHeadlessViewWindow.h"
#include "platform/CMemoryProfile.h"
#include "view/CZelvoView.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CDetailWaveWnd;
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

    // What the detail window opened by the strip showed after its events; empty when none opened.
    struct SDetailReport {
        int64_t nViewSample;
        int64_t nRangeStart;
        int nMeasureMode;
        int nMeasureStep;
    };
    const std::optional<SDetailReport>& GetDetailReport() const { return m_detail; }
    // Set when the detail window's events or image failed.
    const std::string& GetDetailError() const { return m_strDetailError; }

    CZelvoView& View() { return *m_pView; }
    CHeadlessViewWindow& Window() { return m_window; }

private:
    CSize PagePixels() const;
    int RunDetailWindow(CDetailWaveWnd& wnd);
    void WriteDetailReport(CJsonWriter& json) const;

    const CRenderOptions& m_options;
    CStderrPrompt m_prompt{"zelvo-cli"};
    CZelvoDoc m_doc;
    CHeadlessViewWindow m_window;
    CMemoryProfile m_profile;
    std::unique_ptr<CZelvoView> m_pView;
    unsigned m_nButtons = 0;
    std::optional<SDetailReport> m_detail;
    std::string m_strDetailError;
};
