#include "CBenchView.h"

#include <filesystem>

CBenchView::CBenchView(const CMferWriter& writer, const std::string& strName, CSize sizeClient)
    : m_window(sizeClient) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("zelvo-bench-" + strName + ".mwf");
    m_bOpen = writer.WriteFile(path.string()) && m_doc.OnOpenDocument(path.string()) != 0;
    std::filesystem::remove(path);
    m_pView = std::make_unique<CZelvoView>(m_doc, m_window, m_profile);
    m_pView->OnInitialUpdate();
}
