#pragma once

class CZelvoView;
struct CPrintInfo;

// The dialogs and object insertion the view's commands open; the desktop provides them, and
// without a host those commands do nothing.
class IViewDialogHost {
public:
    virtual ~IViewDialogHost() = default;
    // True when the colour dialog ended with OK.
    virtual bool RunColorDialog(CZelvoView& view) = 0;
    virtual void RunWaveInfoDialog(CZelvoView& view) = 0;
    virtual void InsertNewObject(CZelvoView& view) = 0;
    // Closes the item in-place active in the view, if any.
    virtual void CancelEditContainer(CZelvoView& view) = 0;
    // The print dialog: false when the user cancels.
    virtual bool RunPrintDialog(CPrintInfo& info) = 0;
};
