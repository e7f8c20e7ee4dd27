#include "CPulseModel.h"

#include "CSignal.h"

#include <utility>

CPulseModel::CPulseModel(std::vector<SPulseWave> aWaves) : m_aWaves(std::move(aWaves)) {}

void CPulseModel::AddBeats(CSignal& signal, const std::vector<SBeat>& aBeats) const {
    for (const SBeat& beat : aBeats) {
        // A ventricular premature beat ejects little: its pulse is weak.
        const double dStroke = beat.eKind == EBeatKind::Ventricular ? 0.4 : 1.0;
        for (const SPulseWave& wave : m_aWaves) {
            signal.AddBump(beat.dTime + wave.dOffset, dStroke * wave.dAmplitude, wave.dWidthBefore,
                           wave.dWidthAfter);
        }
    }
}
