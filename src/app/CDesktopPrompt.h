#pragma once

#include "platform/IUserPrompt.h"

// Messages at start-up, before the main window exists: ownerless message boxes.
class CDesktopPrompt : public IUserPrompt {
public:
    int MessageBox(const std::string& strText, const std::string& strCaption, unsigned nStyle) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
};
