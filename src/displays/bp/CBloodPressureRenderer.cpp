#include "displays/bp/CBloodPressureRenderer.h"

void CBloodPressureRenderer::Setup(CZelvoView*, int, const MferAttributes*) {}

void CBloodPressureRenderer::Draw(CDC*) {
    m_rcExtent = CRect();
}
