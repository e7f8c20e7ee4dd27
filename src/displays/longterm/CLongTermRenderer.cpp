#include "displays/longterm/CLongTermRenderer.h"

void CLongTermRenderer::Setup(CZelvoView*, int, const MferAttributes*) {}

void CLongTermRenderer::Draw(CDC*) {
    m_rcExtent = CRect();
}

void CLongTermRenderer::OnMouseMove(unsigned, int, int) {}

void CLongTermRenderer::OnLButtonDown(unsigned, int, int) {}

void CLongTermRenderer::OnLButtonUp(unsigned, int, int) {}
