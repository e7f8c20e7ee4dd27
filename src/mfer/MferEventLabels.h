#pragma once

#include <cstdint>

// The short label of a beat or rhythm event code ("N", "V", "S", "Vf", "?"), or null when the
// code has none.
const char* GetMferEventLabel(int16_t wCode);
