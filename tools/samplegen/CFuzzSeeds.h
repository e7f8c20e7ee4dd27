#pragma once

#include "SNamedImage.h"

#include <vector>

// Small images (well under 2 KB each) that between them reach every branch of the decoder: channel blocks
// with stated, unstated and long-form lengths, both byte orders, 8-bit differences, events, several frames,
// per-channel block lengths, every kind of header item, and a few malformed images.
class CFuzzSeeds {
public:
    static std::vector<SNamedImage> Seeds();
};
