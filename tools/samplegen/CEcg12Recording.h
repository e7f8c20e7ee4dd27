#pragma once

#include "CChannelSet.h"
#include "CMferWriter.h"

enum class EEcg12Leads {
    AllTwelve,       // I, II, III, aVR, aVL, aVF, V1 to V6
    IandIIWithChest, // I, II, V1 to V6: the viewer derives the other four limb leads
};

// A ten-second resting 12-lead ECG of a healthy adult at about 70 beats per minute, 500 Hz, 2.5 uV per unit.
// Both lead sets carry the same heart: the limb leads III, aVR, aVL and aVF are computed from I and II as an
// electrocardiograph does.
class CEcg12Recording {
public:
    explicit CEcg12Recording(EEcg12Leads eLeads);

    const CChannelSet& Channels() const { return m_channels; }
    CMferWriter Build() const;

private:
    EEcg12Leads m_eLeads;
    CChannelSet m_channels;
};
