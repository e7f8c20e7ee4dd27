#include "CBenchView.h"

#include "platform/CRasterDC.h"

#include <QImage>

#include <algorithm>
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

void CBenchView::PaintEachIteration(benchmark::State& state, int64_t nPerMille) {
    if (!m_bOpen) {
        state.SkipWithError("the recording did not open");
        return;
    }
    const CSize sizeClient = m_window.GetClientSize();
    QImage image = CRasterDC::CreateImage(sizeClient, RGB(255, 255, 255));
    CRasterDC dc(image);
    m_pView->OnDraw(&dc);
    const int nScrollable = std::max(0, m_pView->GetExtent().right - sizeClient.cx);
    dc.SetWindowOrg(static_cast<int>(static_cast<int64_t>(nScrollable) * nPerMille / 1000), 0);
    for (auto _ : state) {
        m_pView->OnDraw(&dc);
        benchmark::DoNotOptimize(image.constBits());
    }
}
