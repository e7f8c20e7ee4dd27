#include "res/ResourceTableImport.h"
#include "res/CResourceTableExport.h"
#include "res/CResources.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourceTableImport, RoundTripKeepsEveryResource) {
    const CResourceTableExport table(CResources::BuiltIn());
    const std::optional<CResourceSet> set = ImportResourceTable(*table.GetTable());
    ASSERT_TRUE(set.has_value());
    EXPECT_EQ(*set, CResources::BuiltIn());
}

QrResourceTable TableWithMenu(const QrMenuEntry* pEntries, int nEntries, QrMenu& menu) {
    menu = QrMenu{1, pEntries, nEntries};
    QrResourceTable table{};
    table.nAbiVersion = QUARNEL_RESOURCE_ABI_VERSION;
    table.pMenus = &menu;
    table.nMenus = 1;
    return table;
}

TEST(ResourceTableImport, PopupWithoutEndIsRefused) {
    const QrMenuEntry aEntries[] = {{QR_MENU_POPUP, 0, "File"}, {QR_MENU_COMMAND, 10, "Open"}};
    QrMenu menu;
    EXPECT_FALSE(ImportResourceTable(TableWithMenu(aEntries, 2, menu)).has_value());
}

TEST(ResourceTableImport, StrayEndIsRefused) {
    const QrMenuEntry aEntries[] = {{QR_MENU_COMMAND, 10, "Open"}, {QR_MENU_END, 0, ""}};
    QrMenu menu;
    EXPECT_FALSE(ImportResourceTable(TableWithMenu(aEntries, 2, menu)).has_value());
}

TEST(ResourceTableImport, NegativeCountIsRefused) {
    QrMenu menu;
    EXPECT_FALSE(ImportResourceTable(TableWithMenu(nullptr, -1, menu)).has_value());
}

TEST(ResourceTableImport, OtherInterfaceVersionIsRefused) {
    QrResourceTable table{};
    table.nAbiVersion = QUARNEL_RESOURCE_ABI_VERSION + 1;
    EXPECT_FALSE(ImportResourceTable(table).has_value());
}

TEST(ResourceTableImport, NestedPopupsAreRebuilt) {
    const QrMenuEntry aEntries[] = {{QR_MENU_POPUP, 0, "View"},   {QR_MENU_POPUP, 0, "Layout"},
                                    {QR_MENU_COMMAND, 7, "Full"}, {QR_MENU_END, 0, ""},
                                    {QR_MENU_SEPARATOR, 0, ""},   {QR_MENU_COMMAND, 8, "Smooth"},
                                    {QR_MENU_END, 0, ""}};
    QrMenu menu;
    const std::optional<CResourceSet> set = ImportResourceTable(TableWithMenu(aEntries, 7, menu));
    ASSERT_TRUE(set.has_value());
    const MenuResource* pMenu = set->FindMenu(1);
    ASSERT_NE(pMenu, nullptr);
    ASSERT_EQ(pMenu->items.size(), 1u);
    const MenuItem& view = pMenu->items[0];
    ASSERT_EQ(view.items.size(), 3u);
    EXPECT_EQ(view.items[0].items.at(0).strText, "Full");
    EXPECT_EQ(view.items[1].eKind, EMenuItemKind::Separator);
    EXPECT_EQ(view.items[2].nId, 8);
}

} // namespace
