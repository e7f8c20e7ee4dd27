#pragma once

#include "view/IViewDialogHost.h"

#include <QString>

#include <functional>

class COleItemList;
class CPrintController;
class CZelvoViewWidget;

// The desktop's dialogs behind the view's commands: display colours, waveform information, the
// insert-object dialog of the embedded-object layer and the print dialog.
class CViewDialogHost : public IViewDialogHost {
public:
    // Asks for the picture file to embed: an empty name when cancelled.
    using PictureChooser = std::function<QString()>;

    CViewDialogHost(CZelvoViewWidget& widget, COleItemList& items, CPrintController& printing);

    bool RunColorDialog(CZelvoView& view) override;
    void RunWaveInfoDialog(CZelvoView& view) override;
    void InsertNewObject(CZelvoView& view) override;
    void CancelEditContainer(CZelvoView& view) override;
    bool RunPrintDialog(CPrintInfo& info) override;

    void SetPictureChooser(PictureChooser chooser) { m_choosePicture = std::move(chooser); }

private:
    QString ChoosePictureWithFileDialog() const;

    CZelvoViewWidget& m_widget;
    COleItemList& m_items;
    CPrintController& m_printing;
    PictureChooser m_choosePicture;
};
