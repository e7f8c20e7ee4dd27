#pragma once

#include "platform/CRasterDC.h"

#include <functional>

// A context on the picture a window shows now. Figures drawn on it between paints (the inverting
// cross-hair and calipers) reach the screen when the context is released.
class CWindowClientDC : public CRasterDC {
public:
    CWindowClientDC(QImage& image, int nLogPixelsX, std::function<void()> fnRelease);
    ~CWindowClientDC() override;
    CWindowClientDC(const CWindowClientDC&) = delete;
    CWindowClientDC& operator=(const CWindowClientDC&) = delete;

private:
    std::function<void()> m_fnRelease;
};
