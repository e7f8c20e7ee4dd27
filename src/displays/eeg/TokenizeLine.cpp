#include "displays/eeg/TokenizeLine.h"

int TokenizeLine(std::string_view strText, std::vector<std::string>& astrTokens,
                 std::string_view strDelimiters) {
    astrTokens.clear();
    std::size_t nStart = strText.find_first_not_of(strDelimiters);
    while (nStart != std::string_view::npos) {
        const std::size_t nEnd = strText.find_first_of(strDelimiters, nStart);
        astrTokens.emplace_back(strText.substr(nStart, nEnd - nStart));
        nStart = strText.find_first_not_of(strDelimiters, nEnd);
    }
    return static_cast<int>(astrTokens.size());
}
