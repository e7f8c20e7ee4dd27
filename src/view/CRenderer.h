#pragma once

#include "platform/CRect.h"

class CDC;
class CZelvoView;
struct MferAttributes;

// What the view asks of every display: remember the view, the scale and the frame for the next
// draw or mouse call, draw, and tell how far the drawing reaches.
class CRenderer {
public:
    virtual ~CRenderer() = default;
    // pFrameAttr is null when no recording is loaded.
    virtual void Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) = 0;
    virtual void Draw(CDC* pDC) = 0;

    CRect m_rcExtent;
};
