#include "displays/general/CType30Renderer.h"

void CType30Renderer::Setup(CZelvoView*, int, const MferAttributes*) {}

void CType30Renderer::Draw(CDC*) {
    m_rcExtent = CRect();
}
