#include "CSampleSet.h"

#include "CBloodPressureRecording.h"
#include "CEcg12Recording.h"
#include "CEegRecording.h"
#include "CHolterRecording.h"
#include "CPhonocardiogramRecording.h"
#include "CPolygraphRecording.h"

#include <system_error>

std::vector<SNamedImage> CSampleSet::Recordings() {
    return {
        {"ecg12-resting.mwf", CEcg12Recording(EEcg12Leads::AllTwelve).Build()},
        {"ecg12-no-limb.mwf", CEcg12Recording(EEcg12Leads::IandIIWithChest).Build()},
        {"holter-2ch.mwf", CHolterRecording().Build()},
        {"eeg.mwf", CEegRecording().Build()},
        {"bp.mwf", CBloodPressureRecording().Build()},
        {"type30.mwf", CPhonocardiogramRecording().Build()},
        {"universal.mwf", CPolygraphRecording().Build()},
    };
}

bool CSampleSet::Write(const std::filesystem::path& folder, const std::vector<SNamedImage>& aImages,
                       std::ostream& errors) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        errors << "cannot create " << folder.string() << ": " << error.message() << '\n';
        return false;
    }
    bool bAllWritten = true;
    for (const SNamedImage& named : aImages) {
        const std::filesystem::path path = folder / named.szFileName;
        if (!named.image.WriteFile(path.string())) {
            errors << "cannot write " << path.string() << '\n';
            bAllWritten = false;
        }
    }
    return bAllWritten;
}
