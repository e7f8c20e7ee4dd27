#include "app/CWindowPlacement.h"

#include "platform/IProfile.h"

namespace {

const char* const g_pszSection = "Window";

} // namespace

std::optional<CWindowPlacement> CWindowPlacement::Load(const IProfile& profile) {
    if (profile.GetProfileInt(g_pszSection, "Top", -1) < 0)
        return std::nullopt;
    CWindowPlacement placement;
    placement.m_rcNormalPosition = CRect(
        profile.GetProfileInt(g_pszSection, "Left", 0), profile.GetProfileInt(g_pszSection, "Top", 0),
        profile.GetProfileInt(g_pszSection, "Right", 0), profile.GetProfileInt(g_pszSection, "Bottom", 0));
    placement.m_nShowCmd = profile.GetProfileInt(g_pszSection, "Show", 0);
    return placement;
}

void CWindowPlacement::Save(IProfile& profile) const {
    profile.WriteProfileInt(g_pszSection, "Top", m_rcNormalPosition.top);
    profile.WriteProfileInt(g_pszSection, "Bottom", m_rcNormalPosition.bottom);
    profile.WriteProfileInt(g_pszSection, "Left", m_rcNormalPosition.left);
    profile.WriteProfileInt(g_pszSection, "Right", m_rcNormalPosition.right);
    profile.WriteProfileInt(g_pszSection, "Show",
                            m_nShowCmd == SW_SHOWMINIMIZED ? static_cast<int>(SW_SHOWNORMAL) : m_nShowCmd);
}
