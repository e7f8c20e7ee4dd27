#include "displays/longterm/DetailWaveMenu.h"

namespace {

constexpr SDetailMenuItem g_aFileItems[] = {
    {0, nullptr},
    {ID_DETAIL_CLOSE, "ウインドウを閉じる(&W)"},
};

constexpr SDetailMenuItem g_aViewItems[] = {
    {ID_DETAIL_MEASURE_VALUE, "計測\tAlt+1"},
    {ID_DETAIL_MEASURE_INTERVAL, "間隔\tAlt+2"},
};

constexpr SDetailMenuPopup g_aDetailMenu[] = {
    {"ﾌｧｲﾙ(&F)", g_aFileItems},
    {"表示(&V)", g_aViewItems},
};

} // namespace

std::span<const SDetailMenuPopup> GetDetailWaveMenu() {
    return g_aDetailMenu;
}
