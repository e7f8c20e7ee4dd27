#pragma once

#include "platform/IUserPrompt.h"
#include "res/CResourceSet.h"

#include <functional>
#include <string>
#include <vector>

// Remembers the messages instead of showing them.
class CRecordingPrompt : public IUserPrompt {
public:
    struct Message {
        std::string strText;
        std::string strCaption;
        unsigned nStyle;
    };
    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override {
        m_messages.push_back({text, caption, style});
        return IDOK;
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

    std::vector<Message> m_messages;
};

// Every text of a set, each visited with a writable reference so a test can read or blank it.
void ForEachText(CResourceSet& set, const std::function<void(std::string&)>& visit);

// The set with every text emptied: what must be the same in every language.
CResourceSet ShapeOf(CResourceSet set);

const MenuItem* FindPopup(const std::vector<MenuItem>& items, const std::string& strText);
std::vector<int> CommandIds(const std::vector<MenuItem>& items);
