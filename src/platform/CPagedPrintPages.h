#pragma once

#include "platform/CPrinterDC.h"
#include "platform/IPrintPages.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <memory>

// Pages of a printer or a PDF writer, drawn as vectors through one painter.
class CPagedPrintPages : public IPrintPages {
public:
    explicit CPagedPrintPages(QPagedPaintDevice& device) : m_device(device) {}
    ~CPagedPrintPages() override;

    CDC* BeginPage(int nPage) override;
    void EndPage(int) override {}
    CRect GetDrawRect() const override;
    // False when the device could not be opened (no such printer, unwritable file).
    bool IsUsable() const { return m_bUsable; }

private:
    QPagedPaintDevice& m_device;
    std::unique_ptr<QPainter> m_pPainter;
    std::unique_ptr<CPrinterDC> m_pDC;
    bool m_bUsable = true;
};
