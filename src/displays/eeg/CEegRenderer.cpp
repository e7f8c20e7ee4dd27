#include "displays/eeg/CEegRenderer.h"

void CEegRenderer::Setup(CZelvoView*, int, const MferAttributes*) {}

void CEegRenderer::Draw(CDC*) {
    m_rcExtent = CRect();
}
