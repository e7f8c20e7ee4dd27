#pragma once

#include "CRhythm.h"

#include <vector>

class CSignal;

struct SPulseWave {
    double dOffset; // s from the R peak
    double dAmplitude;
    double dWidthBefore;
    double dWidthAfter;
};

// A peripheral pulse wave (arterial pressure, plethysmogram) that follows each beat's R peak by the time the
// pulse takes to reach the sensor. The shape is in arbitrary units; recordings scale it afterwards.
class CPulseModel {
public:
    explicit CPulseModel(std::vector<SPulseWave> aWaves);

    void AddBeats(CSignal& signal, const std::vector<SBeat>& aBeats) const;

private:
    std::vector<SPulseWave> m_aWaves;
};
