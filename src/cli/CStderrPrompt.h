#pragma once

#include "platform/IUserPrompt.h"

#include <string>

// Messages of the headless tool: printed to standard error, answered with OK.
class CStderrPrompt : public IUserPrompt {
public:
    explicit CStderrPrompt(std::string strProgram) : m_strProgram(std::move(strProgram)) {}

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

private:
    std::string m_strProgram;
};
