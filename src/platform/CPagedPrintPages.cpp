#include "platform/CPagedPrintPages.h"

CPagedPrintPages::~CPagedPrintPages() {
    m_pDC.reset();
    if (m_pPainter)
        m_pPainter->end();
}

CDC* CPagedPrintPages::BeginPage(int) {
    if (!m_pPainter) {
        m_pPainter = std::make_unique<QPainter>();
        m_bUsable = m_pPainter->begin(&m_device);
        if (!m_bUsable)
            return nullptr;
        m_pDC = std::make_unique<CPrinterDC>(*m_pPainter);
    } else {
        m_device.newPage();
    }
    return m_pDC.get();
}

CRect CPagedPrintPages::GetDrawRect() const {
    const QRect rect = m_device.pageLayout().paintRectPixels(m_device.logicalDpiX());
    return {0, 0, rect.width(), rect.height()};
}
