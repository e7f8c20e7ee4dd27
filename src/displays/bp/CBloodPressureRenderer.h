#pragma once

#include "view/CRenderer.h"

// Placeholder until the display is built: draws nothing and covers no area.
class CBloodPressureRenderer : public CRenderer {
public:
    void Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) override;
    void Draw(CDC* pDC) override;
};
