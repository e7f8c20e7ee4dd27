#include "cli/CInfoCommand.h"

#include "app/CZelvoDoc.h"
#include "cli/CAttributeReport.h"
#include "cli/CCliDocument.h"
#include "cli/CCommandLine.h"
#include "cli/CJsonWriter.h"
#include "mfer/MferEventLabels.h"
#include "mfer/MferLeadNames.h"

#include <iomanip>
#include <iostream>

namespace {

constexpr int EVENTS_SHOWN = 10;

int CountEvents(const MferAttributes& attr) {
    int nCount = 0;
    for (const MferEvent* pEvent = attr.m_pFirstEvent; pEvent; pEvent = pEvent->pNext)
        ++nCount;
    return nCount;
}

// The samples a channel's array holds: its sequences times its block length once decoded.
long long SampleCount(const CZelvoDoc& doc, int nFrame, int nChannel) {
    const MferAttributes* pAttr = doc.GetFrameChannelAttributes(nFrame, nChannel);
    if (!pAttr || !doc.GetFrameSamples(nFrame, 0, static_cast<int16_t>(nChannel)))
        return 0;
    return static_cast<long long>(pAttr->m_nSequences) * pAttr->m_nBlockLength;
}

std::string ChannelLabel(const MferAttributes& attr, int nChannel) {
    const char* pszName = GetMferLeadName(attr.m_wLeadCode);
    return pszName ? pszName : "CH:" + std::to_string(nChannel);
}

} // namespace

int CInfoCommand::Run(const std::vector<std::string>& args) {
    if (CCommandLine::AsksForHelp(args)) {
        std::cout << "usage: zelvo-cli info FILE [--json]\n";
        return CLI_EXIT_OK;
    }
    CCommandLine line;
    std::string strError;
    if (!line.Parse(args, {"--json"}, {}, strError) || line.Positional().size() != 1) {
        std::cerr << "zelvo-cli: " << (strError.empty() ? "info takes one file" : strError) << '\n'
                  << "usage: zelvo-cli info FILE [--json]\n";
        return CLI_EXIT_USAGE;
    }
    CCliDocument document;
    const int nStatus = document.Open(line.Positional()[0]);
    if (nStatus == CLI_EXIT_USAGE)
        return nStatus;
    if (line.Has("--json"))
        PrintJson(document.Doc(), nStatus == CLI_EXIT_OK, std::cout);
    else if (nStatus == CLI_EXIT_OK)
        PrintText(document.Doc(), std::cout);
    return nStatus;
}

void CInfoCommand::PrintText(const CZelvoDoc& doc, std::ostream& out) {
    out << "File: " << doc.GetPathName() << " (" << doc.GetFileSize() << " bytes)\n";
    out << "Frames: " << doc.GetFrameCount() << '\n';
    for (int f = 0; f < doc.GetFrameCount(); ++f) {
        const MferAttributes& attr = *doc.GetFrameAttributes(f);
        out << "\nFrame " << f << '\n';
        PrintAttributesText(attr, out);
        PrintChannelsText(doc, f, out);
        PrintEventsText(attr, out);
    }
}

void CInfoCommand::PrintAttributesText(const MferAttributes& attr, std::ostream& out) {
    for (const AttributeField& field : CAttributeReport::Describe(attr))
        if (field.bInSummary)
            out << "  " << std::left << std::setw(20) << (field.strLabel + ":") << field.strText << '\n';
}

void CInfoCommand::PrintChannelsText(const CZelvoDoc& doc, int nFrame, std::ostream& out) {
    out << "  Channel  Lead  Label   Interval(µs)  Resolution(nV)  Samples\n";
    const int nChannels = doc.GetFrameAttributes(nFrame)->m_nChannels;
    for (int c = 0; c < nChannels; ++c) {
        const MferAttributes* pAttr = doc.GetFrameChannelAttributes(nFrame, c);
        if (!pAttr)
            continue;
        out << "  " << std::right << std::setw(7) << c << std::setw(6) << pAttr->m_wLeadCode << "  "
            << std::left << std::setw(6) << ChannelLabel(*pAttr, c) << std::right << std::setw(14)
            << pAttr->m_nSamplingInterval << std::setw(16) << pAttr->m_nResolution << std::setw(9)
            << SampleCount(doc, nFrame, c) << '\n';
    }
}

void CInfoCommand::PrintEventsText(const MferAttributes& attr, std::ostream& out) {
    const int nEvents = CountEvents(attr);
    out << "  Events: " << nEvents << '\n';
    int nShown = 0;
    for (const MferEvent* pEvent = attr.m_pFirstEvent; pEvent && nShown < EVENTS_SHOWN;
         pEvent = pEvent->pNext) {
        const char* pszLabel = GetMferEventLabel(pEvent->wCode);
        out << "    code " << pEvent->wCode << " (" << (pszLabel ? pszLabel : "no label") << ") at sample "
            << pEvent->nPosition << '\n';
        ++nShown;
    }
    if (nEvents > nShown)
        out << "    ... " << (nEvents - nShown) << " more\n";
}

void CInfoCommand::PrintJson(const CZelvoDoc& doc, bool bLoaded, std::ostream& out) {
    CJsonWriter json(out);
    json.BeginObject();
    json.Key("file");
    json.String(doc.GetPathName());
    json.Key("size");
    json.Int(doc.GetFileSize());
    json.Key("loaded");
    json.Bool(bLoaded);
    json.Key("error");
    if (bLoaded)
        json.Null();
    else
        json.String(doc.GetOpenErrorDetail());
    json.Key("root");
    json.BeginObject();
    WriteAttributeFieldsJson(*doc.GetRootAttributes(), json);
    json.EndObject();
    json.Key("frames");
    json.BeginArray();
    for (int f = 0; f < doc.GetFrameCount(); ++f)
        WriteFrameJson(doc, f, json);
    json.EndArray();
    json.EndObject();
    out << '\n';
}

void CInfoCommand::WriteAttributeFieldsJson(const MferAttributes& attr, CJsonWriter& json) {
    for (const AttributeField& field : CAttributeReport::Describe(attr)) {
        json.Key(field.strKey);
        if (const auto* pNumber = std::get_if<int64_t>(&field.value)) {
            json.Int(*pNumber);
        } else if (const auto* pText = std::get_if<std::string>(&field.value)) {
            json.String(*pText);
        } else {
            json.BeginObject();
            for (const auto& [name, value] : std::get<AttributeField::NamedTexts>(field.value)) {
                json.Key(name);
                json.String(value);
            }
            json.EndObject();
        }
    }
}

void CInfoCommand::WriteFrameJson(const CZelvoDoc& doc, int nFrame, CJsonWriter& json) {
    const MferAttributes& attr = *doc.GetFrameAttributes(nFrame);
    json.BeginObject();
    WriteAttributeFieldsJson(attr, json);
    json.Key("events");
    json.BeginArray();
    for (const MferEvent* pEvent = attr.m_pFirstEvent; pEvent; pEvent = pEvent->pNext) {
        json.BeginObject();
        json.Key("code");
        json.Int(pEvent->wCode);
        json.Key("position");
        json.Int(pEvent->nPosition);
        json.EndObject();
    }
    json.EndArray();
    json.Key("channels");
    json.BeginArray();
    for (int c = 0; c < attr.m_nChannels; ++c)
        if (const MferAttributes* pChannel = doc.GetFrameChannelAttributes(nFrame, c))
            WriteChannelJson(doc, nFrame, c, *pChannel, json);
    json.EndArray();
    json.EndObject();
}

void CInfoCommand::WriteChannelJson(const CZelvoDoc& doc, int nFrame, int nChannel,
                                    const MferAttributes& attr, CJsonWriter& json) {
    const std::pair<const char*, int64_t> numbers[] = {
        {"index", nChannel},
        {"leadCode", attr.m_wLeadCode},
    };
    const std::pair<const char*, int64_t> details[] = {
        {"samplingInterval", attr.m_nSamplingInterval},
        {"resolution", attr.m_nResolution},
        {"blockLength", attr.m_nBlockLength},
        {"sequences", attr.m_nSequences},
        {"samples", SampleCount(doc, nFrame, nChannel)},
        {"encoding", attr.m_byEncoding},
        {"offset", attr.m_nOffset},
        {"nullValue", attr.m_nNullValue},
    };
    json.BeginObject();
    for (const auto& [key, value] : numbers) {
        json.Key(key);
        json.Int(value);
    }
    json.Key("label");
    json.String(ChannelLabel(attr, nChannel));
    for (const auto& [key, value] : details) {
        json.Key(key);
        json.Int(value);
    }
    json.EndObject();
}
