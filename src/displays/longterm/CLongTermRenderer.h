#pragma once

#include "view/CRenderer.h"

// Placeholder until the display is built: draws nothing and covers no area.
class CLongTermRenderer : public CRenderer {
public:
    void Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) override;
    void Draw(CDC* pDC) override;

    void OnMouseMove(unsigned nFlags, int x, int y);
    void OnLButtonDown(unsigned nFlags, int x, int y);
    void OnLButtonUp(unsigned nFlags, int x, int y);
};
