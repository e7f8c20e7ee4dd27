#pragma once

#include "displays/eeg/CEegLeadTable.h"
#include "view/CRenderer.h"

class IUserPrompt;

// Placeholder until the display is built: draws nothing and covers no area.
class CEegRenderer : public CRenderer {
public:
    explicit CEegRenderer(IUserPrompt& prompt) : m_leadTable(prompt) {}
    void Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) override;
    void Draw(CDC* pDC) override;

private:
    CEegLeadTable m_leadTable;
};
