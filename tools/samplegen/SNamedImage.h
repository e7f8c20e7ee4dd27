#pragma once

#include "CMferWriter.h"

#include <string>

struct SNamedImage {
    std::string szFileName;
    CMferWriter image;
};
