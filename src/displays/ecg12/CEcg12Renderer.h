#pragma once

#include "view/CRenderer.h"

// Placeholder until the display is built: draws nothing and covers no area.
class CEcg12Renderer : public CRenderer {
public:
    void Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) override;
    void Draw(CDC* pDC) override;

    // Mouse handlers return the measurement step; 0 means no measurement is shown.
    int OnMouseMove(unsigned nFlags, int x, int y);
    int OnLButtonDown(unsigned nFlags, int x, int y);
    int OnLButtonUp(unsigned nFlags, int x, int y);
    void EraseCursor() {}
    int ResetMeasure() { return 0; }
};
