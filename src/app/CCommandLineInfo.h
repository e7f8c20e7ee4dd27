#pragma once

#include <string>
#include <vector>

// What the command line asks the program to do at start:
//   FILE               open the recording
//   /p FILE            print it on the default printer (a PDF beside it without one) and end
//   /pt FILE PRINTER   print it on the named printer and end
//   /RegServer         register the desktop entry and the *.mwf type for this user and end;
//                      /Register is the same, /UnregServer and /Unregister remove them
//   /Embedding, /Automation  the OLE start switches: accepted; the program starts with an empty
//                      document, since no container on this platform starts it that way
//   /dde               accepted and ignored
// Switches start with '/' or '-' and are matched without regard to case; anything else (an
// absolute path starts with '/' too) is the file.
struct CCommandLineInfo {
    enum EShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister };

    void ParseCommandLine(const std::vector<std::string>& astrArgs);

    EShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
    std::string m_strPrinterName;
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;

private:
    bool ParseSwitch(const std::string& strArg);
    void ParseParam(const std::string& strArg);
};
