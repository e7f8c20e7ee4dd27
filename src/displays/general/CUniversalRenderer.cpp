#include "displays/general/CUniversalRenderer.h"

void CUniversalRenderer::Setup(CZelvoView*, int, const MferAttributes*) {}

void CUniversalRenderer::Draw(CDC*) {
    m_rcExtent = CRect();
}
