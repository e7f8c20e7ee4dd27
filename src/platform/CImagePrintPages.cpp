#include "platform/CImagePrintPages.h"

#include <cmath>

namespace {

constexpr double INCHES_PER_METRE = 1000.0 / 25.4;

} // namespace

CImagePrintPages::CImagePrintPages(std::string strFolder, CSize sizePage, int nDpi)
    : m_strFolder(std::move(strFolder)), m_sizePage(sizePage), m_nDpi(nDpi) {}

CImagePrintPages::~CImagePrintPages() = default;

CDC* CImagePrintPages::BeginPage(int) {
    m_image = QImage(m_sizePage.cx, m_sizePage.cy, QImage::Format_ARGB32);
    m_image.fill(Qt::white);
    const int nDotsPerMetre = static_cast<int>(std::lround(m_nDpi * INCHES_PER_METRE));
    m_image.setDotsPerMeterX(nDotsPerMetre);
    m_image.setDotsPerMeterY(nDotsPerMetre);
    m_pPainter = std::make_unique<QPainter>(&m_image);
    m_pDC = std::make_unique<CPrinterDC>(*m_pPainter);
    return m_pDC.get();
}

void CImagePrintPages::EndPage(int nPage) {
    m_pDC.reset();
    m_pPainter.reset();
    const std::string strPath = m_strFolder + "/page-" + std::to_string(nPage) + ".png";
    if (m_image.save(QString::fromStdString(strPath), "PNG"))
        m_files.push_back(strPath);
    else
        m_bFailed = true;
}
