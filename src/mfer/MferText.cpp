#include "mfer/MferText.h"

#include <algorithm>
#include <cctype>
#include <iconv.h>

namespace {

bool NamesShiftJis(std::string charCode) {
    std::transform(charCode.begin(), charCode.end(), charCode.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return charCode.find("SJIS") != std::string::npos || charCode.find("SHIFT") != std::string::npos;
}

bool ShiftJisToUtf8(const std::string& bytes, std::string& out) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string input = bytes;
    out.assign(input.size() * 3 + 4, '\0');
    char* pIn = input.data();
    size_t nIn = input.size();
    char* pOut = out.data();
    size_t nOut = out.size();
    const size_t r = iconv(cd, &pIn, &nIn, &pOut, &nOut);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1))
        return false;
    out.resize(out.size() - nOut);
    return true;
}

std::string Latin1ToUtf8(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

bool IsValidUtf8(const std::string& text) {
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t nFollow = 0;
        if (c < 0x80)
            nFollow = 0;
        else if ((c & 0xE0) == 0xC0 && c >= 0xC2)
            nFollow = 1;
        else if ((c & 0xF0) == 0xE0)
            nFollow = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
            nFollow = 3;
        else
            return false;
        if (i + nFollow >= text.size())
            return false;
        for (size_t k = 1; k <= nFollow; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += nFollow + 1;
    }
    return true;
}

std::string MferTextToUtf8(const std::string& bytes, const std::string& charCode) {
    std::string converted;
    if (NamesShiftJis(charCode) && ShiftJisToUtf8(bytes, converted))
        return converted;
    if (IsValidUtf8(bytes))
        return bytes;
    return Latin1ToUtf8(bytes);
}
