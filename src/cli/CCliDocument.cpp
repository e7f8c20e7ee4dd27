#include "cli/CCliDocument.h"

#include "cli/CCommandLine.h"

#include <iostream>

CCliDocument::CCliDocument() : m_prompt("zelvo-cli") {
    m_doc.SetPrompt(&m_prompt);
}

int CCliDocument::Open(const std::string& strPath) {
    if (m_doc.OnOpenDocument(strPath))
        return CLI_EXIT_OK;
    if (m_doc.GetOpenError() == CZelvoDoc::OpenError::Read)
        return CLI_EXIT_USAGE; // the prompt has named the reason
    std::cerr << "zelvo-cli: " << strPath << ": " << m_doc.GetOpenErrorDetail() << '\n';
    return CLI_EXIT_NOT_DECODED;
}
