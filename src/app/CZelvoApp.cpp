#include "app/CZelvoApp.h"

#include "app/CMainFrame.h"
#include "app/CShellRegistration.h"
#include "res/CResources.h"
#include "res/LanguageId.h"

#include <QCoreApplication>
#include <QFileInfo>

CZelvoApp::CZelvoApp() = default;

CZelvoApp::~CZelvoApp() = default;

bool CZelvoApp::IsRegistration(const CCommandLineInfo& cmdInfo) {
    return cmdInfo.m_nShellCommand == CCommandLineInfo::AppRegister ||
           cmdInfo.m_nShellCommand == CCommandLineInfo::AppUnregister;
}

int CZelvoApp::ProcessRegistration(const CCommandLineInfo& cmdInfo) {
    const CShellRegistration registration(QCoreApplication::applicationFilePath());
    const bool bDone = cmdInfo.m_nShellCommand == CCommandLineInfo::AppRegister ? registration.Register()
                                                                                : registration.Unregister();
    return bDone ? EXIT_OK : EXIT_FAILED;
}

bool CZelvoApp::InitInstance(const std::vector<std::string>& astrArgs) {
    CCommandLineInfo cmdInfo;
    cmdInfo.ParseCommandLine(astrArgs);
    if (IsRegistration(cmdInfo)) {
        m_nExitCode = ProcessRegistration(cmdInfo);
        return false;
    }
    LoadLanguageResources();
    m_pMainFrame = std::make_unique<CMainFrame>(m_doc, m_profile);
    if (!m_pMainFrame->OnCreate() || !ProcessShellCommand(cmdInfo)) {
        m_nExitCode = EXIT_FAILED;
        return false;
    }
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::FilePrint ||
        cmdInfo.m_nShellCommand == CCommandLineInfo::FilePrintTo)
        return false;
    m_pMainFrame->ActivateFrame();
    return true;
}

void CZelvoApp::LoadLanguageResources() {
    m_bResDll = CResources::LoadLanguageLibrary(SystemLanguageId(), m_prompt);
}

bool CZelvoApp::ProcessShellCommand(const CCommandLineInfo& cmdInfo) {
    switch (cmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileOpen:
        return m_pMainFrame->OpenDocumentFile(QString::fromStdString(cmdInfo.m_strFileName));
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        return PrintFromCommandLine(cmdInfo);
    default:
        m_pMainFrame->OnNewDocument();
        return true;
    }
}

// Without a printer the pages go to a PDF beside the recording.
bool CZelvoApp::PrintFromCommandLine(const CCommandLineInfo& cmdInfo) {
    const QString strFile = QString::fromStdString(cmdInfo.m_strFileName);
    if (!m_pMainFrame->OpenDocumentFile(strFile))
        return false;
    const QFileInfo info(strFile);
    const QString strPdf = info.absolutePath() + '/' + info.completeBaseName() + QStringLiteral(".pdf");
    return m_pMainFrame->GetPrinting().PrintDirect(
               m_pMainFrame->GetView(), QString::fromStdString(cmdInfo.m_strPrinterName), strPdf) > 0;
}
