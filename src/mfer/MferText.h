#pragma once

#include <string>

// A text field of the file as UTF-8 for display: decoded from Shift-JIS when the file names
// that character code, kept when it is already valid UTF-8, otherwise read as Latin-1.
std::string MferTextToUtf8(const std::string& bytes, const std::string& charCode);

bool IsValidUtf8(const std::string& text);
