#pragma once

#include <string>
#include <vector>

// `zelvo-cli samples FILE [--frame F] [--channel C[,C...]] [--from N] [--count M]`: raw decoded
// samples as CSV, one row per sample index.
class CSamplesCommand {
public:
    static int Run(const std::vector<std::string>& args);

private:
    static bool ParseChannels(const std::string& text, int nChannels, std::vector<int>& channels,
                              std::string& strError);
};
