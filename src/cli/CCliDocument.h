#pragma once

#include "app/CZelvoDoc.h"
#include "cli/CStderrPrompt.h"

#include <string>

// Opens a recording for a subcommand and reports a failure on standard error.
class CCliDocument {
public:
    CCliDocument();

    // The exit status a failure leads to, or CLI_EXIT_OK when the file decoded.
    int Open(const std::string& strPath);
    const CZelvoDoc& Doc() const { return m_doc; }
    CZelvoDoc& Doc() { return m_doc; }

private:
    CStderrPrompt m_prompt;
    CZelvoDoc m_doc;
};
