#include "res/CStringTable.h"

#include <map>

std::string CStringTable::Load(unsigned nId) {
    static const std::map<unsigned, std::string> builtIn = {
        {IDS_FILE_OPEN_ERROR, "ファイルオープンエラー"},
        {IDS_FILE_FORMAT_INVALID, "ファイルフォーマットが異常です"},
    };
    const auto it = builtIn.find(nId);
    return it == builtIn.end() ? std::string() : it->second;
}
