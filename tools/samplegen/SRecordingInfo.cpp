#include "SRecordingInfo.h"

#include "CMferWriter.h"

#include <stdexcept>

namespace {

constexpr uint8_t kTagCharCode = 3;
constexpr uint8_t kTagComment = 22;
constexpr uint8_t kTagManufacturer = 23;
constexpr uint8_t kTagPatientName = 26;
constexpr uint8_t kTagPatientId = 27;
constexpr uint8_t kTagPreamble = 64;

constexpr size_t kPreambleField = 32;
constexpr size_t kManufacturerField = 64;
constexpr size_t kPatientIdField = 16;
constexpr size_t kPatientNameField = 128;
constexpr size_t kCommentField = 256;

const std::string& Fitting(const std::string& szText, size_t nField) {
    if (szText.empty() || szText.size() > nField) {
        throw std::length_error("header text does not fit its field: " + szText);
    }
    return szText;
}

} // namespace

void SRecordingInfo::WriteTo(CMferWriter& writer) const {
    writer.ByteOrder(bLittleEndian)
        .Text(kTagPreamble, Fitting(szPreamble, kPreambleField))
        .Version(1, 0, 0)
        .Text(kTagCharCode, "ASCII")
        .Text(kTagManufacturer, Fitting(szManufacturer, kManufacturerField))
        .Text(kTagPatientId, Fitting(szPatientId, kPatientIdField))
        .Text(kTagPatientName, Fitting(szPatientName, kPatientNameField))
        .MeasurementTime(time.nYear, time.nMonth, time.nDay, time.nHour, time.nMinute, time.nSecond)
        .Text(kTagComment, Fitting(szComment, kCommentField));
}
