#include "res/CStringTable.h"

#include <map>

std::string CStringTable::Load(unsigned nId) {
    static const std::map<unsigned, std::string> builtIn = {
        {IDS_FILE_OPEN_ERROR, "ファイルオープンエラー"},
        {IDS_FILE_FORMAT_INVALID, "ファイルフォーマットが異常です"},
        {IDS_LAYOUT_FULL, "全表示"},
        {IDS_LAYOUT_6X2, "心電図 ６×２"},
        {IDS_LAYOUT_3X4, "心電図 ３×４"},
        {IDS_BP_LAYOUT_FULL, "全表示"},
        {IDS_BP_LAYOUT_WAVEFORM, "血圧波形"},
        {IDS_BP_LAYOUT_EP, "電気生理"},
    };
    const auto it = builtIn.find(nId);
    return it == builtIn.end() ? std::string() : it->second;
}
