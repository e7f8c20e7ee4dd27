#include "displays/ecg12/CEcg12Renderer.h"

void CEcg12Renderer::Setup(CZelvoView*, int, const MferAttributes*) {}

void CEcg12Renderer::Draw(CDC*) {
    m_rcExtent = CRect();
}

int CEcg12Renderer::OnMouseMove(unsigned, int, int) {
    return 0;
}

int CEcg12Renderer::OnLButtonDown(unsigned, int, int) {
    return 0;
}

int CEcg12Renderer::OnLButtonUp(unsigned, int, int) {
    return 0;
}
