#include "displays/general/BandScheme.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<BandScheme, 4> g_aBandSchemes = {{
    {RGB(255, 220, 128), RGB(255, 192, 96), RGB(255, 192, 96), false},
    {RGB(164, 255, 164), RGB(64, 220, 64), RGB(64, 220, 64), false},
    {RGB(192, 192, 192), RGB(128, 128, 128), RGB(128, 128, 128), false},
    {RGB(0, 32, 0), RGB(0, 64, 0), RGB(0, 128, 0), true},
}};

} // namespace

const BandScheme& GetBandScheme(int nScheme) {
    const bool bKnown = nScheme >= 0 && nScheme < static_cast<int>(g_aBandSchemes.size());
    return g_aBandSchemes[static_cast<std::size_t>(bKnown ? nScheme : BAND_SCHEME_BLACK)];
}
