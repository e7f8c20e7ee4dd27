#pragma once

#include <cstdint>

// The name of a standard 12-lead ECG lead code ("I", "II", "V1" ... "aVF"), or null for any
// other code.
const char* GetMferLeadName(uint16_t wLeadCode);
