#pragma once

#include <cstdint>

// The display settings every renderer reads and some write, kept inside the view.
struct ViewSettings {
    int32_t m_nLayout = 1;      // 0 full, 1 ECG 6x2, 2 ECG 3x4, 3 page display
    int32_t m_nLeadSetKind = 0; // 0..3 complete twelve leads, 4 more, 5 fewer; written by the 12-lead display
    int32_t m_nSensitivity = 2; // 1 = x0.5, 2 = x1, 4 = x2
    int32_t m_nMouseMode = 3;   // 1 value measurement, 2 interval measurement, 3 scroll
    int32_t m_bMouseCmds = 0;   // the mouse-mode commands are available
    int32_t m_bUniversal = 0;   // universal display switch
    int32_t m_bEcgView = 0;     // ECG view of the blood-pressure display
    int32_t m_bSmooth = 0;      // smooth display
    int32_t m_nTimeScale = 6;   // 4..20; 6 is the standard scale
    int32_t m_bZoomCmds = 0;    // the time-scale commands are available
    int32_t m_nFilter = 0;      // bit 0: high-cut filter on; bit 1: the filter is available
};

enum : int32_t {
    FILTER_ON = 0x1,
    FILTER_AVAILABLE = 0x2,
};

enum : int {
    CATEGORY_ECG12 = 1,
    CATEGORY_LONG_TERM = 2,
    CATEGORY_UNIVERSAL = 3,
    CATEGORY_EEG = 4,
    CATEGORY_BLOOD_PRESSURE = 5,
    CATEGORY_TYPE30 = 6,
};

enum : int { MOUSE_MODE_VALUE = 1, MOUSE_MODE_INTERVAL = 2, MOUSE_MODE_SCROLL = 3 };
constexpr int32_t STANDARD_TIME_SCALE = 6;
constexpr int32_t MIN_TIME_SCALE = 4;
constexpr int32_t MAX_TIME_SCALE = 20;
