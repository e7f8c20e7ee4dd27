#include "app/CViewDialogHost.h"

#include "app/COleItemList.h"
#include "app/CPrintController.h"
#include "app/CZelvoViewWidget.h"
#include "app/dialogs/CColorSetDlg.h"
#include "app/dialogs/CWaveInfoDlg.h"
#include "res/CResources.h"
#include "res/Resource.h"
#include "view/CZelvoView.h"

#include <QFileDialog>
#include <QImageReader>

namespace {

// The picture files the layer can embed, as a file-dialog filter.
QString PictureFilter() {
    QStringList astrPatterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        astrPatterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    return QStringLiteral("Picture (%1)").arg(astrPatterns.join(' '));
}

// The menu text without its mnemonic mark and ellipsis, for the dialog's title.
QString InsertObjectTitle() {
    QString strTitle = QString::fromStdString(CResources::LoadString(ID_OLE_INSERT_NEW));
    strTitle = strTitle.section('\n', -1);
    return strTitle.isEmpty() ? QStringLiteral("Insert Object") : strTitle;
}

} // namespace

CViewDialogHost::CViewDialogHost(CZelvoViewWidget& widget, COleItemList& items, CPrintController& printing)
    : m_widget(widget), m_items(items), m_printing(printing),
      m_choosePicture([this] { return ChoosePictureWithFileDialog(); }) {}

bool CViewDialogHost::RunColorDialog(CZelvoView& view) {
    return CColorSetDlg::Run(m_widget.window(), view);
}

void CViewDialogHost::RunWaveInfoDialog(CZelvoView& view) {
    CWaveInfoDlg::Run(m_widget.window(), view);
}

QString CViewDialogHost::ChoosePictureWithFileDialog() const {
    return QFileDialog::getOpenFileName(m_widget.window(), InsertObjectTitle(), QString(), PictureFilter());
}

void CViewDialogHost::InsertNewObject(CZelvoView&) {
    const QString strFile = m_choosePicture();
    if (strFile.isEmpty())
        return;
    m_widget.BeginWaitCursor();
    std::unique_ptr<CZelvoCntrItem> pItem = CZelvoCntrItem::CreateFromFile(strFile);
    m_widget.EndWaitCursor();
    if (!pItem) {
        m_widget.MessageBox("The picture could not be read: " + strFile.toStdString(),
                            CResources::LoadString(AFX_IDS_APP_TITLE), MB_ICONSTOP | MB_OK);
        return;
    }
    CZelvoCntrItem* pNew = m_items.AddItem(std::move(pItem));
    m_items.SetSelection(pNew);
    m_items.Activate(pNew);
    m_widget.Invalidate();
}

void CViewDialogHost::CancelEditContainer(CZelvoView&) {
    if (m_items.CloseActiveItem())
        m_widget.Invalidate();
}

bool CViewDialogHost::RunPrintDialog(CPrintInfo& info) {
    return m_printing.RunPrintDialog(info);
}
