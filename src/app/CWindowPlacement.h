#pragma once

#include "platform/CRect.h"

#include <optional>

class IProfile;

// The main window's placement as the profile's "Window" section keeps it: the normal (restored)
// rectangle and the show state.
struct CWindowPlacement {
    enum : int { SW_SHOWNORMAL = 1, SW_SHOWMINIMIZED = 2, SW_SHOWMAXIMIZED = 3 };

    CRect m_rcNormalPosition;
    int m_nShowCmd = SW_SHOWNORMAL;

    // The saved placement, or none when "Top" is missing or negative.
    static std::optional<CWindowPlacement> Load(const IProfile& profile);
    // A minimised window is saved as shown normally, so the program never starts minimised.
    void Save(IProfile& profile) const;
};
