#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits a text into the runs of characters between delimiter characters and returns their
// number. A run of delimiters counts as one separator and delimiters at either end are
// ignored, so no token is ever empty. The list is emptied first.
int TokenizeLine(std::string_view strText, std::vector<std::string>& astrTokens,
                 std::string_view strDelimiters);
