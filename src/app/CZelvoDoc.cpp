#include "app/CZelvoDoc.h"

#include "mfer/MferLeadNames.h"
#include "platform/IUserPrompt.h"
#include "res/CStringTable.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

namespace {

// Item sizes are handled as signed 32-bit counts; a larger file cannot be decoded faithfully.
constexpr uint64_t MAX_FILE_SIZE = std::numeric_limits<int32_t>::max() - 3;

struct FileCloser {
    void operator()(std::FILE* pFile) const { std::fclose(pFile); }
};

} // namespace

int CZelvoDoc::OnNewDocument() {
    m_bLoaded = 0;
    return 1;
}

bool CZelvoDoc::Serialize(const std::string& strPath) {
    auto fail = [&](const std::string& strReason) {
        FailOpen(OpenError::Read, "cannot read \"" + strPath + "\": " + strReason);
        return false;
    };
    std::unique_ptr<std::FILE, FileCloser> pFile(std::fopen(strPath.c_str(), "rb"));
    if (!pFile || std::fseek(pFile.get(), 0, SEEK_END) != 0)
        return fail(std::strerror(errno));
    const long nLength = std::ftell(pFile.get());
    if (nLength < 0 || std::fseek(pFile.get(), 0, SEEK_SET) != 0)
        return fail(std::strerror(errno));
    if (static_cast<uint64_t>(nLength) > MAX_FILE_SIZE)
        return fail("the file is larger than 2 GB");
    std::vector<uint8_t> data(static_cast<size_t>(nLength));
    if (!data.empty() && std::fread(data.data(), 1, data.size(), pFile.get()) != data.size())
        return fail("the file could not be read to its end");
    m_pFileData = std::move(data);
    m_nFileSize = static_cast<uint32_t>(m_pFileData.size());
    return true;
}

int CZelvoDoc::FailOpen(OpenError error, const std::string& strDetail) {
    m_openError = error;
    m_strOpenErrorDetail = strDetail;
    return 0;
}

int CZelvoDoc::OnOpenDocument(const std::string& strPath) {
    m_openError = OpenError::None;
    m_strOpenErrorDetail.clear();
    if (!Serialize(strPath)) {
        ReportReadFailure();
        return 0;
    }
    m_bLoaded = 0;
    if (m_pPrompt)
        m_pPrompt->BeginWaitCursor();
    m_mferFile.Load(m_pFileData.data(), m_nFileSize);
    m_strFilePath = strPath;
    const bool bDecoded = m_mferFile.Decode() != 0;
    if (m_pPrompt)
        m_pPrompt->EndWaitCursor();
    if (!bDecoded) {
        FailOpen(OpenError::Decode,
                 m_mferFile.GetFailureReason() + " at byte " + std::to_string(m_mferFile.GetFailureOffset()));
        ReportDecodeFailure();
        return 0;
    }
    // A file with no frame has nothing to show; the displays all expect frame 0.
    if (m_mferFile.GetFrameCount() == 0) {
        FailOpen(OpenError::Decode, "the file holds no recording");
        ReportDecodeFailure();
        return 0;
    }
    m_bLoaded = 1;
    return 1;
}

void CZelvoDoc::ReportReadFailure() {
    if (m_pPrompt)
        m_pPrompt->MessageBox(m_strOpenErrorDetail, CStringTable::Load(IDS_FILE_OPEN_ERROR),
                              MB_ICONSTOP | MB_OK);
}

void CZelvoDoc::ReportDecodeFailure() {
    if (m_pPrompt)
        m_pPrompt->MessageBox(CStringTable::Load(IDS_FILE_FORMAT_INVALID),
                              CStringTable::Load(IDS_FILE_OPEN_ERROR), MB_ICONSTOP | MB_OK);
}

std::string CZelvoDoc::GetChannelLabel(int nChannel) const {
    if (const MferAttributes* pAttr = GetChannelAttributes(nChannel))
        if (const char* pszName = GetMferLeadName(pAttr->m_wLeadCode))
            return pszName;
    return "CH:" + std::to_string(nChannel);
}
