#pragma once

#include "SNamedImage.h"

#include <filesystem>
#include <ostream>
#include <vector>

// The recordings bundled with the viewer, and the writing of a set of images into a folder.
class CSampleSet {
public:
    static std::vector<SNamedImage> Recordings();
    // Creates the folder if needed; reports every file it cannot write on `errors`.
    static bool Write(const std::filesystem::path& folder, const std::vector<SNamedImage>& aImages,
                      std::ostream& errors);
};
