#include "CViewHarness.h"

#include <atomic>
#include <filesystem>
#include <unistd.h>

CViewHarness::CViewHarness(CSize sizeClient) : m_window(sizeClient) {
    m_doc.SetPrompt(&m_window);
    m_pView = std::make_unique<CZelvoView>(m_doc, m_window, m_profile);
    m_window.SetPaintHandler([this](CDC& dc) { m_pView->OnDraw(&dc); });
}

CViewHarness::~CViewHarness() {
    if (!m_strTempFile.empty())
        std::filesystem::remove(m_strTempFile);
}

bool CViewHarness::Open(const CMferWriter& writer) {
    static std::atomic<int> s_nCounter{0};
    if (!m_strTempFile.empty())
        std::filesystem::remove(m_strTempFile);
    m_strTempFile = (std::filesystem::temp_directory_path() / ("zelvo-harness-" + std::to_string(getpid()) +
                                                               "-" + std::to_string(s_nCounter++) + ".mwf"))
                        .string();
    return writer.WriteFile(m_strTempFile) && Open(m_strTempFile);
}

bool CViewHarness::Open(const std::string& strPath) {
    const bool bOpened = m_doc.OnOpenDocument(strPath) != 0;
    m_pView->OnInitialUpdate();
    return bOpened;
}

const QImage& CViewHarness::Paint() {
    m_window.RedrawNow();
    return m_window.GetImage();
}

COLORREF CViewHarness::Pixel(int x, int y) const {
    const QRgb rgb = m_window.GetImage().pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
