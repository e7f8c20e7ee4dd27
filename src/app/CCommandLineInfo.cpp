#include "app/CCommandLineInfo.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string str) {
    std::transform(str.begin(), str.end(), str.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return str;
}

} // namespace

void CCommandLineInfo::ParseCommandLine(const std::vector<std::string>& astrArgs) {
    for (const std::string& strArg : astrArgs) {
        if (!ParseSwitch(strArg))
            ParseParam(strArg);
    }
}

bool CCommandLineInfo::ParseSwitch(const std::string& strArg) {
    if (strArg.size() < 2 || (strArg[0] != '/' && strArg[0] != '-'))
        return false;
    const std::string strName = Lower(strArg.substr(1));
    if (strName == "p")
        m_nShellCommand = FilePrint;
    else if (strName == "pt")
        m_nShellCommand = FilePrintTo;
    else if (strName == "dde")
        m_nShellCommand = FileDDE;
    else if (strName == "embedding")
        m_bRunEmbedded = true;
    else if (strName == "automation")
        m_bRunAutomated = true;
    else if (strName == "regserver" || strName == "register")
        m_nShellCommand = AppRegister;
    else if (strName == "unregserver" || strName == "unregister")
        m_nShellCommand = AppUnregister;
    else
        return false;
    return true;
}

void CCommandLineInfo::ParseParam(const std::string& strArg) {
    if (m_strFileName.empty()) {
        m_strFileName = strArg;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
    } else if (m_nShellCommand == FilePrintTo && m_strPrinterName.empty()) {
        m_strPrinterName = strArg;
    }
}
