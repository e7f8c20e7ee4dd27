#pragma once

#include "platform/CDC.h"
#include "platform/CSize.h"
#include "platform/IViewWindow.h"

#include <memory>

// What the detail waveform window asks of the window it lives in: on screen a Qt dialog, headless
// an image. Sizes and positions are client pixels.
class IDetailWindow {
public:
    virtual ~IDetailWindow() = default;

    virtual CSize GetClientSize() const = 0;
    // Sizes the window so that its client area has this size.
    virtual void SetClientSize(CSize sizeClient) = 0;
    // The horizontal scroll bar.
    virtual void SetScrollRange(int nMin, int nMax, bool bRedraw) = 0;
    virtual void SetScrollPos(int nPos, bool bRedraw) = 0;
    virtual void SetCursor(ECursor eCursor) = 0;
    // Invalidates, erases and paints the whole client area before returning.
    virtual void RedrawNow() = 0;
    // A context on what the window shows now, for figures drawn and erased between paints.
    virtual std::unique_ptr<CDC> GetClientDC() = 0;
    // Ends the modal loop with the given result.
    virtual void EndDialog(int nResult) = 0;
};
