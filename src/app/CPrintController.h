#pragma once

#include <QPrinter>
#include <QString>

class CZelvoView;
class QWidget;
struct CPrintInfo;

// The File menu's printing: the print dialog with a page range, print preview and printer setup
// on one printer that keeps its settings for the whole run. Pages are the view's, tiled by its
// printing pipeline and drawn as vectors. Without any printer installed, printing writes a PDF file.
class CPrintController {
public:
    explicit CPrintController(QWidget* pParent);

    // The view's print dialog step: false when the user cancels. Preview needs no dialog.
    bool RunPrintDialog(CPrintInfo& info);
    // The pages printed, or -1 when cancelled or the printer could not be opened.
    int Print(CZelvoView& view);
    void Preview(CZelvoView& view);
    void PageSetup();
    // Prints without a dialog on the named or default printer; without one, into strPdfFallback.
    int PrintDirect(CZelvoView& view, const QString& strPrinterName, const QString& strPdfFallback);

    static bool HasPrinter();

private:
    bool ChoosePdfFile();
    int RunPages(CZelvoView& view, QPrinter& printer, bool bPreview);

    QWidget* m_pParent;
    QPrinter m_printer;
    bool m_bDirect = false;
};
