#pragma once

#include "platform/IUserPrompt.h"

#include <string>
#include <vector>

struct RecordedMessage {
    std::string m_strText;
    std::string m_strCaption;
    unsigned m_nStyle;
};

// Keeps every message box it is asked to show and answers OK.
class CRecordingPrompt : public IUserPrompt {
public:
    int MessageBox(const std::string& strText, const std::string& strCaption, unsigned nStyle) override {
        m_aMessages.push_back({strText, strCaption, nStyle});
        return IDOK;
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

    std::vector<RecordedMessage> m_aMessages;
};
