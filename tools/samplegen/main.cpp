#include "CFuzzSeeds.h"
#include "CSampleSet.h"

#include <exception>
#include <iostream>
#include <string_view>

namespace {

constexpr int kExitWriteFailed = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kUsage =
    "Usage: zelvo-samplegen OUTDIR\n"
    "       zelvo-samplegen --seeds DIR\n"
    "\n"
    "Writes the sample MFER recordings bundled with Zelvo into OUTDIR:\n"
    "  ecg12-resting.mwf  resting 12-lead ECG, 10 s, 500 Hz\n"
    "  ecg12-no-limb.mwf  the same ECG with leads I, II and V1-V6 only\n"
    "  holter-2ch.mwf     long-term ECG, 2 channels, 30 min, 250 Hz, with beat events\n"
    "  eeg.mwf            EEG, 18 electrodes and ECG, 60 s, 200 Hz\n"
    "  bp.mwf             bedside monitor: ECG II, V1, V5 and arterial pressure, 30 s\n"
    "  type30.mwf         phonocardiogram (L, M, H) with ECG II, 10 s, 1 kHz\n"
    "  universal.mwf      polygraph: ECG, respiration, plethysmogram, airflow, 60 s\n"
    "\n"
    "With --seeds, writes small decoder seed images into DIR instead.\n"
    "The output is the same on every run.\n";

} // namespace

int main(int argc, char** argv) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc == 2 && (first == "--help" || first == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    const bool bSeeds = argc == 3 && first == "--seeds";
    if (!(argc == 2 && !first.starts_with("-")) && !bSeeds) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    try {
        const bool bWritten = bSeeds ? CSampleSet::Write(argv[2], CFuzzSeeds::Seeds(), std::cerr)
                                     : CSampleSet::Write(argv[1], CSampleSet::Recordings(), std::cerr);
        return bWritten ? 0 : kExitWriteFailed;
    } catch (const std::exception& e) {
        std::cerr << "zelvo-samplegen: " << e.what() << '\n';
        return kExitWriteFailed;
    }
}
