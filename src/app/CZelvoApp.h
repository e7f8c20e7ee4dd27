#pragma once

#include "app/CCommandLineInfo.h"
#include "app/CDesktopPrompt.h"
#include "app/CSettingsProfile.h"
#include "app/CZelvoDoc.h"

#include <memory>
#include <string>
#include <vector>

class CMainFrame;

// The application: start-up from the command line, the one document and its main window.
class CZelvoApp {
public:
    enum : int { EXIT_OK = 0, EXIT_FAILED = 1 };

    CZelvoApp();
    ~CZelvoApp();
    CZelvoApp(const CZelvoApp&) = delete;
    CZelvoApp& operator=(const CZelvoApp&) = delete;

    // True to run the message loop; false to end at once with GetExitCode.
    bool InitInstance(const std::vector<std::string>& astrArgs);
    int GetExitCode() const { return m_nExitCode; }
    CMainFrame* GetMainFrame() const { return m_pMainFrame.get(); }

    // The registration switches need no window system.
    static bool IsRegistration(const CCommandLineInfo& cmdInfo);
    // Registers or unregisters this program for the user; the exit status.
    static int ProcessRegistration(const CCommandLineInfo& cmdInfo);

private:
    bool ProcessShellCommand(const CCommandLineInfo& cmdInfo);
    bool PrintFromCommandLine(const CCommandLineInfo& cmdInfo);
    void LoadLanguageResources();

    CDesktopPrompt m_prompt;
    CSettingsProfile m_profile;
    CZelvoDoc m_doc;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    bool m_bResDll = false;
    int m_nExitCode = EXIT_OK;
};
