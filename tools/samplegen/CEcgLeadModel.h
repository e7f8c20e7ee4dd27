#pragma once

#include "CRhythm.h"
#include "CSignal.h"

#include <cstdint>

class CSampleRandom;

// Wave amplitudes of one lead in millivolts; a negative R is a QS complex.
struct SWaveAmplitudes {
    double dP;
    double dQ;
    double dR;
    double dS;
    double dT;
};

// The surface ECG of one lead as a sum of Gaussian waves per beat, with the timing shared by all leads.
// Ventricular beats have no P wave, a wide QRS and a T wave of their own; supraventricular beats keep the
// normal QRS with an ectopic (inverted, late) P wave.
class CEcgLeadModel {
public:
    CEcgLeadModel(const SWaveAmplitudes& normal, const SWaveAmplitudes& ventricular);

    // Leads I, II, V1 to V6 and CM5 of a healthy adult heart with a ventricular focus in the right ventricle.
    // The other limb leads follow from I and II. std::invalid_argument for any other lead code.
    static CEcgLeadModel ForLead(uint16_t wLeadCode);

    // Adds the beats to a signal held in microvolts.
    void AddBeats(CSignal& signal, const std::vector<SBeat>& aBeats) const;
    void AddBeat(CSignal& signal, const SBeat& beat) const;
    // The beats alone on a new signal in microvolts, with white noise of the given size.
    CSignal Record(double dRateHz, double dSeconds, const std::vector<SBeat>& aBeats, CSampleRandom& random,
                   double dNoiseMicrovolts) const;

private:
    SWaveAmplitudes m_normal;
    SWaveAmplitudes m_ventricular;
};
