#include "cli/CAttributeReport.h"

#include "mfer/MferText.h"

#include <cstdio>

namespace {

AttributeField Number(const char* pszKey, const char* pszLabel, int64_t value, bool bInSummary = false,
                      std::string strText = {}) {
    if (strText.empty())
        strText = std::to_string(value);
    return {pszKey, pszLabel, value, std::move(strText), bInSummary};
}

AttributeField Text(const char* pszKey, const char* pszLabel, std::string text, bool bInSummary = false) {
    std::string strText = text;
    return {pszKey, pszLabel, std::move(text), std::move(strText), bInSummary};
}

std::string IntervalText(int32_t nMicroseconds) {
    char text[64];
    if (nMicroseconds > 0)
        std::snprintf(text, sizeof(text), "%d µs (%g Hz)", nMicroseconds, 1e6 / nMicroseconds);
    else
        std::snprintf(text, sizeof(text), "%d µs", nMicroseconds);
    return text;
}

std::string EncodingText(uint8_t byEncoding) {
    switch (byEncoding) {
    case 0:
        return "16-bit samples";
    case 1:
        return "8-bit differences";
    default:
        return "unknown (" + std::to_string(byEncoding) + "), not decoded";
    }
}

} // namespace

AttributeField::NamedTexts CAttributeReport::SplitManufacturer(const std::string& manufacturer) {
    static const char* const names[] = {"maker",        "model",  "modelVersion",
                                        "serialNumber", "filter", "comment"};
    AttributeField::NamedTexts fields;
    size_t nStart = 0;
    for (const char* pszName : names) {
        if (nStart > manufacturer.size())
            break;
        const size_t nEnd = manufacturer.find('^', nStart);
        const bool bLast = nEnd == std::string::npos || pszName == names[5];
        fields.emplace_back(pszName, manufacturer.substr(nStart, bLast ? std::string::npos : nEnd - nStart));
        if (bLast)
            break;
        nStart = nEnd + 1;
    }
    return fields;
}

std::string CAttributeReport::FormatTime(const MferTime& t) {
    char text[64];
    std::snprintf(text, sizeof(text), "%04u-%02u-%02uT%02u:%02u:%02u.%03u", t.wYear, t.wMonth, t.wDay,
                  t.wHour, t.wMinute, t.wSecond, t.wMillisecond);
    return text;
}

std::vector<AttributeField> CAttributeReport::Describe(const MferAttributes& a) {
    const std::string charCode = MferFieldText(a.m_szCharCode);
    auto text = [&](const auto& field) { return MferTextToUtf8(MferFieldText(field), charCode); };
    char version[32];
    std::snprintf(version, sizeof(version), "%d.%d.%d", a.m_abyVersion[0], a.m_abyVersion[1],
                  a.m_abyVersion[2]);
    const std::string manufacturer = text(a.m_szManufacturer);

    std::string manufacturerText;
    for (const auto& [name, value] : SplitManufacturer(manufacturer))
        manufacturerText += (manufacturerText.empty() ? "" : ", ") + name + " \"" + value + "\"";

    std::vector<AttributeField> fields = {
        Number("waveformType", "Waveform type", a.m_wWaveformType, true),
        Number("channels", "Channels", a.m_nChannels, true),
        Number("blockLength", "Block length", a.m_nBlockLength, true),
        Number("sequences", "Sequences", a.m_nSequences, true),
        Number("samplingInterval", "Sampling interval", a.m_nSamplingInterval, true,
               IntervalText(a.m_nSamplingInterval)),
        Number("resolution", "Resolution", a.m_nResolution, true, std::to_string(a.m_nResolution) + " nV"),
        Number("byteOrder", "Byte order", a.m_nByteOrder, true,
               a.m_nByteOrder == 0 ? "big-endian" : "little-endian"),
        Text("version", "Version", version, true),
        Text("charCode", "Character code", charCode, true),
        Number("encoding", "Encoding", a.m_byEncoding, false, EncodingText(a.m_byEncoding)),
        Number("dataType", "Data type", a.m_byDataType),
        Number("leadCode", "Lead code", a.m_wLeadCode),
        Number("offset", "Offset", a.m_nOffset),
        Number("nullValue", "Null value", a.m_nNullValue),
        Text("manufacturer", "Manufacturer (raw)", manufacturer),
        {"manufacturerFields", "Manufacturer", SplitManufacturer(manufacturer), manufacturerText, true},
        Text("patientId", "Patient ID", text(a.m_szPatientId), true),
        Text("patientName", "Patient name", text(a.m_szPatientName)),
        Number("ageYears", "Age (years)", a.m_wAgeYears),
        Number("ageDays", "Age (days)", a.m_wAgeDays),
        Number("sex", "Sex", a.m_wSex),
        Text("measured", "Measurement time", FormatTime(a.m_tmMeasured), true),
        Text("comment", "Comment", text(a.m_szComment), true),
        Text("filter", "Filter", text(a.m_szFilter)),
        Text("message", "Message", text(a.m_szMessage)),
        Text("preamble", "Preamble", text(a.m_szPreamble)),
        Number("infoCode", "Information code", a.m_wInfoCode),
        Text("info", "Information", text(a.m_szInfo)),
        Number("pointer", "Pointer", a.m_nPointer),
        Number("tag15", "Tag 15", a.m_byTag15),
        Number("tag16", "Tag 16", a.m_nTag16),
    };
    return fields;
}
