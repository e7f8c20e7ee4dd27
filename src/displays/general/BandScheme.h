#pragma once

#include "platform/ColorRef.h"

// The paper of a channel-band display: 0 orange, 1 green, 2 grey, 3 black.
struct BandScheme {
    COLORREF crFine;  // every millimetre
    COLORREF crHeavy; // every 5 mm
    COLORREF crRuler; // the ruler background's lines and ticks
    bool bBlackPaper; // the display fills its area black; the others keep the view's white
};

constexpr int BAND_SCHEME_GREEN = 1;
constexpr int BAND_SCHEME_BLACK = 3;

// A value outside 0..3 can only come from an edited profile; it shows the black scheme, the one
// an absent value gives.
const BandScheme& GetBandScheme(int nScheme);
