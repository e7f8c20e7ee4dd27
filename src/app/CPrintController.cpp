#include "app/CPrintController.h"

#include "platform/CPagedPrintPages.h"
#include "view/CPrintInfo.h"
#include "view/CPrintLoop.h"
#include "view/CZelvoView.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>

CPrintController::CPrintController(QWidget* pParent)
    : m_pParent(pParent), m_printer(QPrinter::HighResolution) {
    m_printer.setCreator(QStringLiteral("Zelvo"));
}

bool CPrintController::HasPrinter() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

bool CPrintController::ChoosePdfFile() {
    const QString strFile = QFileDialog::getSaveFileName(m_pParent, QString(), QStringLiteral("zelvo.pdf"),
                                                         QStringLiteral("PDF (*.pdf)"));
    if (strFile.isEmpty())
        return false;
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(strFile);
    return true;
}

bool CPrintController::RunPrintDialog(CPrintInfo& info) {
    if (info.m_bPreview || m_bDirect)
        return true;
    if (!HasPrinter())
        return ChoosePdfFile();
    QPrintDialog dialog(&m_printer, m_pParent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, info.GetMaxPage());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (m_printer.printRange() == QPrinter::PageRange) {
        info.m_nFromPage = m_printer.fromPage();
        info.m_nToPage = m_printer.toPage();
    }
    return true;
}

int CPrintController::RunPages(CZelvoView& view, QPrinter& printer, bool bPreview) {
    CPagedPrintPages pages(printer);
    CPrintInfo info;
    info.m_bPreview = bPreview;
    const int nPages = CPrintLoop::Run(view, pages, info);
    return pages.IsUsable() ? nPages : -1;
}

int CPrintController::Print(CZelvoView& view) {
    return RunPages(view, m_printer, false);
}

void CPrintController::Preview(CZelvoView& view) {
    QPrintPreviewDialog dialog(&m_printer, m_pParent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* pPrinter) { RunPages(view, *pPrinter, true); });
    dialog.exec();
}

void CPrintController::PageSetup() {
    QPageSetupDialog dialog(&m_printer, m_pParent);
    dialog.exec();
}

int CPrintController::PrintDirect(CZelvoView& view, const QString& strPrinterName,
                                  const QString& strPdfFallback) {
    if (!strPrinterName.isEmpty())
        m_printer.setPrinterName(strPrinterName);
    if (!HasPrinter()) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(strPdfFallback);
    }
    m_bDirect = true;
    const int nPages = RunPages(view, m_printer, false);
    m_bDirect = false;
    return nPages;
}
