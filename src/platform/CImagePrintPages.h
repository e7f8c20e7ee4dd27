#pragma once

#include "platform/CPrinterDC.h"
#include "platform/CSize.h"
#include "platform/IPrintPages.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <string>
#include <vector>

// Printed pages as PNG images "page-N.png" in a folder, at a printer's resolution: what a
// printer would put on paper, for checking without one.
class CImagePrintPages : public IPrintPages {
public:
    CImagePrintPages(std::string strFolder, CSize sizePage, int nDpi);
    ~CImagePrintPages() override;

    CDC* BeginPage(int nPage) override;
    void EndPage(int nPage) override;
    CRect GetDrawRect() const override { return {0, 0, m_sizePage.cx, m_sizePage.cy}; }
    const std::vector<std::string>& GetWrittenFiles() const { return m_files; }
    bool HasFailed() const { return m_bFailed; }

private:
    std::string m_strFolder;
    CSize m_sizePage;
    int m_nDpi;
    QImage m_image;
    std::unique_ptr<QPainter> m_pPainter;
    std::unique_ptr<CPrinterDC> m_pDC;
    std::vector<std::string> m_files;
    bool m_bFailed = false;
};
