#pragma once

#include <ostream>
#include <string>
#include <vector>

class CZelvoDoc;
class CJsonWriter;
struct MferAttributes;

// `zelvo-cli info FILE [--json]`: the recording's attributes, channels and events.
class CInfoCommand {
public:
    static int Run(const std::vector<std::string>& args);

private:
    static void PrintText(const CZelvoDoc& doc, std::ostream& out);
    static void PrintJson(const CZelvoDoc& doc, bool bLoaded, std::ostream& out);
    static void PrintAttributesText(const MferAttributes& attr, std::ostream& out);
    static void PrintChannelsText(const CZelvoDoc& doc, int nFrame, std::ostream& out);
    static void PrintEventsText(const MferAttributes& attr, std::ostream& out);
    static void WriteAttributeFieldsJson(const MferAttributes& attr, CJsonWriter& json);
    static void WriteFrameJson(const CZelvoDoc& doc, int nFrame, CJsonWriter& json);
    static void WriteChannelJson(const CZelvoDoc& doc, int nFrame, int nChannel, const MferAttributes& attr,
                                 CJsonWriter& json);
};
