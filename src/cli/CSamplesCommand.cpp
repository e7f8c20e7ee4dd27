#include "cli/CSamplesCommand.h"

#include "cli/CCliDocument.h"
#include "cli/CCommandLine.h"

#include <algorithm>
#include <iostream>
#include <sstream>

namespace {

constexpr const char* USAGE =
    "usage: zelvo-cli samples FILE [--frame F] [--channel C[,C...]] [--from N] [--count M]\n";

int UsageError(const std::string& strError) {
    std::cerr << "zelvo-cli: " << strError << '\n' << USAGE;
    return CLI_EXIT_USAGE;
}

struct ChannelColumn {
    int nChannel;
    const int16_t* pSamples;
    long long nSamples;
};

} // namespace

bool CSamplesCommand::ParseChannels(const std::string& text, int nChannels, std::vector<int>& channels,
                                    std::string& strError) {
    std::stringstream items(text);
    std::string item;
    while (std::getline(items, item, ',')) {
        char* pEnd = nullptr;
        const long nChannel = std::strtol(item.c_str(), &pEnd, 10);
        if (item.empty() || *pEnd != '\0' || nChannel < 0 || nChannel >= nChannels) {
            strError = "channel \"" + item + "\" does not exist (the frame has " + std::to_string(nChannels) +
                       " channels)";
            return false;
        }
        channels.push_back(static_cast<int>(nChannel));
    }
    if (channels.empty()) {
        strError = "--channel needs at least one channel number";
        return false;
    }
    return true;
}

int CSamplesCommand::Run(const std::vector<std::string>& args) {
    if (CCommandLine::AsksForHelp(args)) {
        std::cout << USAGE;
        return CLI_EXIT_OK;
    }
    CCommandLine line;
    std::string strError;
    if (!line.Parse(args, {}, {"--frame", "--channel", "--from", "--count"}, strError))
        return UsageError(strError);
    if (line.Positional().size() != 1)
        return UsageError("samples takes one file");
    long long nFrame = 0, nFrom = 0, nCount = 0;
    if (!line.IntValue("--frame", 0, 0, nFrame, strError) ||
        !line.IntValue("--from", 0, 0, nFrom, strError) || !line.IntValue("--count", -1, 0, nCount, strError))
        return UsageError(strError);

    CCliDocument document;
    if (const int nStatus = document.Open(line.Positional()[0]); nStatus != CLI_EXIT_OK)
        return nStatus;
    const CZelvoDoc& doc = document.Doc();
    if (nFrame >= doc.GetFrameCount())
        return UsageError("frame " + std::to_string(nFrame) + " does not exist (the file has " +
                          std::to_string(doc.GetFrameCount()) + " frames)");
    const int f = static_cast<int>(nFrame);
    const int nChannels = doc.GetFrameAttributes(f)->m_nChannels;

    std::vector<int> channels;
    if (const auto text = line.Value("--channel")) {
        if (!ParseChannels(*text, nChannels, channels, strError))
            return UsageError(strError);
    } else {
        for (int c = 0; c < nChannels; ++c)
            channels.push_back(c);
    }

    std::vector<ChannelColumn> columns;
    long long nLongest = 0;
    for (const int c : channels) {
        const MferAttributes* pAttr = doc.GetFrameChannelAttributes(f, c);
        const int16_t* pSamples = doc.GetFrameSamples(f, 0, static_cast<int16_t>(c));
        const long long nSamples =
            pSamples && pAttr ? static_cast<long long>(pAttr->m_nSequences) * pAttr->m_nBlockLength : 0;
        columns.push_back({c, pSamples, nSamples});
        nLongest = std::max(nLongest, nSamples);
    }

    std::ostream& out = std::cout;
    out << "index";
    for (const ChannelColumn& column : columns)
        out << ",ch" << column.nChannel;
    out << '\n';
    const long long nEnd = nCount < 0 ? nLongest : std::min(nLongest, nFrom + nCount);
    for (long long i = nFrom; i < nEnd; ++i) {
        out << i;
        for (const ChannelColumn& column : columns) {
            out << ',';
            if (i < column.nSamples)
                out << column.pSamples[i];
        }
        out << '\n';
    }
    return out ? CLI_EXIT_OK : CLI_EXIT_USAGE;
}
