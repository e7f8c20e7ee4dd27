#pragma once

#include "platform/CRect.h"

class CDC;

// Where printed pages go: a printer, a PDF file or page images. Each page is drawn on the
// context BeginPage returns, within the drawing rectangle, in the device's pixels.
class IPrintPages {
public:
    virtual ~IPrintPages() = default;
    virtual CDC* BeginPage(int nPage) = 0;
    virtual void EndPage(int nPage) = 0;
    virtual CRect GetDrawRect() const = 0;
};
