#include "app/CWindowClientDC.h"

#include <utility>

CWindowClientDC::CWindowClientDC(QImage& image, int nLogPixelsX, std::function<void()> fnRelease)
    : CRasterDC(image, nLogPixelsX), m_fnRelease(std::move(fnRelease)) {}

CWindowClientDC::~CWindowClientDC() {
    if (m_fnRelease)
        m_fnRelease();
}
