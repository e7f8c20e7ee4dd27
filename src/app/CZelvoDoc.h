#pragma once

#include "mfer/CMferFile.h"
#include "mfer/MferAttributes.h"

#include <cstdint>
#include <string>
#include <vector>

class IUserPrompt;

// The waveform document: reads an MFER file whole, decodes it, tells the user when it cannot,
// and answers the view's and the displays' questions about the recording.
class CZelvoDoc {
public:
    enum class OpenError { None, Read, Decode };

    CZelvoDoc() = default;
    virtual ~CZelvoDoc() = default;
    CZelvoDoc(const CZelvoDoc&) = delete;
    CZelvoDoc& operator=(const CZelvoDoc&) = delete;

    // Where messages and the wait cursor go: the first view's window, or standard error.
    void SetPrompt(IUserPrompt* pPrompt) { m_pPrompt = pPrompt; }

    int OnNewDocument();
    int OnOpenDocument(const std::string& strPath);
    OpenError GetOpenError() const { return m_openError; }
    // A sentence for a person: why the last open failed (and where, for a decode failure).
    const std::string& GetOpenErrorDetail() const { return m_strOpenErrorDetail; }

    int IsLoaded() const { return m_bLoaded; }
    const std::string& GetPathName() const { return m_strFilePath; }
    uint32_t GetFileSize() const { return m_nFileSize; }
    int GetFrameCount() const { return m_mferFile.GetFrameCount(); }

    const MferAttributes* GetRootAttributes() const { return m_mferFile.GetRootAttributes(); }
    const MferAttributes* GetFrameAttributes(int nFrame) const {
        return m_mferFile.GetFrameAttributes(nFrame);
    }
    const MferAttributes* GetChannelAttributes(int nChannel) const {
        return m_mferFile.GetChannelAttributes(nChannel);
    }
    const MferAttributes* GetFrameChannelAttributes(int nFrame, int nChannel) const {
        return m_mferFile.GetFrameChannelAttributes(nFrame, nChannel);
    }
    uint16_t GetWaveformType(int nFrame) const { return m_mferFile.GetWaveformType(nFrame); }
    int GetTotalChannels() const { return m_mferFile.GetTotalChannels(); }
    const int16_t* GetSamples(int byLead, int16_t key) const { return m_mferFile.GetSamples(byLead, key); }
    const int16_t* GetFrameSamples(int nFrame, int byLead, int16_t key) const {
        return m_mferFile.GetFrameSamples(nFrame, byLead, key);
    }
    std::string GetChannelLabel(int nChannel) const;

protected:
    // Loading: reads the whole file into m_pFileData. The document never writes a file.
    bool Serialize(const std::string& strPath);

private:
    int FailOpen(OpenError error, const std::string& strDetail);
    void ReportReadFailure();
    void ReportDecodeFailure();

    std::string m_strFilePath;
    int m_bLoaded = 0;
    std::vector<uint8_t> m_pFileData;
    uint32_t m_nFileSize = 0;
    CMferFile m_mferFile;
    IUserPrompt* m_pPrompt = nullptr;
    OpenError m_openError = OpenError::None;
    std::string m_strOpenErrorDetail;
};
