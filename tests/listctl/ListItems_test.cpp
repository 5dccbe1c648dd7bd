#include "ListTestFixture.h"

#include <algorithm>
#include <cstring>

namespace {

using ItemsTest = ListControlTest;

LCITEMREQUEST Block(int item, void* buffer = nullptr, DWORD extra = 0)
{
    LCITEMREQUEST block{};
    block.itemData = static_cast<std::uint32_t>(item);
    block.itemID = item;
    block.pszText = static_cast<char*>(buffer);
    block.lExtra = extra;
    return block;
}

TEST_F(ItemsTest, TextComesFromTheRowsOrTheParentAndFitsTheBuffer)
{
    const struct
    {
        const char* name;
        DWORD style;
        int item;
        size_t capacity;
        LRESULT reply;
        const char* text;
        std::vector<UINT> queries;
    } cases[] = {
        {"loaded row", 0, 3, 16, 6, "Item 3", {}},
        {"loaded row, short buffer", 0, 3, 4, 3, "Ite", {}},
        {"item not loaded", 0, 50, 16, 7, "Item 50", {LCN_GETTEXT}},
        {"item not loaded, short buffer", 0, 50, 5, 4, "Item", {LCN_GETTEXT}},
        {"missing item", 0, 500, 16, -1, "", {LCN_GETTEXT}},
        {"rows without text", LBS_OWNERDRAWFIXED, 3, 16, 6, "Item 3", {LCN_GETTEXT}},
        {"no buffer size", 0, 3, 0, -1, "", {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        HWND control = MakeList(100, 10, c.style);
        char buffer[24];
        std::memset(buffer, '#', sizeof buffer);
        LCITEMREQUEST block = Block(c.item, buffer);
        EXPECT_EQ(c.reply, SendMessageA(control, LCM_GETTEXT, c.capacity, reinterpret_cast<LPARAM>(&block)));
        if (c.reply >= 0)
        {
            EXPECT_STREQ(c.text, buffer);
        }
        EXPECT_TRUE(std::all_of(buffer + c.capacity, buffer + sizeof buffer, [](char b) { return b == '#'; }));
        EXPECT_EQ(c.queries, host.source.Queries());
        DestroyWindow(control);
    }
}

TEST_F(ItemsTest, TextLengthComesFromTheRowsOrTheParent)
{
    HWND control = MakeList(100);
    LCITEMREQUEST loaded = Block(3);
    LCITEMREQUEST away = Block(50);
    LCITEMREQUEST missing = Block(500);
    EXPECT_EQ(6, SendMessageA(control, LCM_GETTEXTLEN, 0, reinterpret_cast<LPARAM>(&loaded)));
    EXPECT_TRUE(host.source.Queries().empty());
    EXPECT_EQ(7, SendMessageA(control, LCM_GETTEXTLEN, 0, reinterpret_cast<LPARAM>(&away)));
    EXPECT_EQ(-1, SendMessageA(control, LCM_GETTEXTLEN, 0, reinterpret_cast<LPARAM>(&missing)));
}

TEST_F(ItemsTest, ItemDataOfLoadedRowsAndOfTheParent)
{
    host.source.keyOffset = 1000;
    HWND control = MakeList(100);
    LCITEMREQUEST loaded = Block(3);
    EXPECT_EQ(1003, SendMessageA(control, LCM_GETITEMDATA, 0, reinterpret_cast<LPARAM>(&loaded)));
    LCITEMREQUEST away = Block(50);
    EXPECT_EQ(1050, SendMessageA(control, LCM_GETITEMDATA, 0, reinterpret_cast<LPARAM>(&away)));
    EXPECT_EQ(std::vector<UINT>{LCN_GETITEMDATA}, host.source.Queries());

    LCITEMREQUEST change = Block(3);
    change.itemID = 77;
    EXPECT_NE(-1, SendMessageA(control, LCM_SETITEMDATA, 0, reinterpret_cast<LPARAM>(&change)));
    EXPECT_EQ(77, SendMessageA(control, LB_GETITEMDATA, 3, 0));
    EXPECT_EQ(-1, SendMessageA(control, LCM_SETITEMDATA, 0, reinterpret_cast<LPARAM>(&away)));
}

TEST_F(ItemsTest, RectangleOnlyForLoadedRows)
{
    HWND control = MakeList(100);
    StartAt(control, 20);
    RECT rect{};
    LCITEMREQUEST loaded = Block(22, &rect);
    EXPECT_NE(-1, SendMessageA(control, LCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&loaded)));
    EXPECT_EQ(2 * CFakeListHost::RowHeight, rect.top);
    EXPECT_EQ(3 * CFakeListHost::RowHeight, rect.bottom);
    LCITEMREQUEST away = Block(5, &rect);
    EXPECT_EQ(-1, SendMessageA(control, LCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&away)));
}

TEST_F(ItemsTest, FindAsksTheParentAndSelectsOnlyWhenAsked)
{
    HWND control = MakeList(100);
    LCITEMREQUEST wanted = Block(0, nullptr, 42);
    EXPECT_EQ(42, SendMessageA(control, LCM_FINDITEM, 0, reinterpret_cast<LPARAM>(&wanted)));
    EXPECT_EQ(42, SendMessageA(control, LCM_FINDITEMEX, 0, reinterpret_cast<LPARAM>(&wanted)));
    EXPECT_EQ(-1, SendMessageA(control, LCM_GETCURSEL, 0, 0));
    EXPECT_EQ(0, FirstRow(control));

    EXPECT_EQ(42, SendMessageA(control, LCM_SELECTITEMEX, 0, reinterpret_cast<LPARAM>(&wanted)));
    EXPECT_EQ(42, SendMessageA(control, LCM_GETCURSEL, 0, 0));
    EXPECT_EQ(42, FirstRow(control));
    std::vector<UINT> queries = host.source.Queries();
    queries.resize(3);
    EXPECT_EQ((std::vector<UINT>{LCN_FINDITEM, LCN_FINDITEMEX, LCN_FINDITEMEX}), queries);

    LCITEMREQUEST missing = Block(0, nullptr, 4200);
    EXPECT_EQ(-1, SendMessageA(control, LCM_FINDITEM, 0, reinterpret_cast<LPARAM>(&missing)));
    EXPECT_EQ(-1, SendMessageA(control, LCM_SELECTITEMEX, 0, reinterpret_cast<LPARAM>(&missing)));
    EXPECT_EQ(42, SendMessageA(control, LCM_GETCURSEL, 0, 0));
}

TEST_F(ItemsTest, EnsureVisibleBringsTheItemToTheTop)
{
    HWND control = MakeList(100);
    EXPECT_EQ(1, SendMessageA(control, LCM_ENSUREVISIBLE, 0, 6));
    EXPECT_EQ(Repeat(LCN_GETNEXT, 6), host.source.Queries());
    EXPECT_EQ(6, FirstRow(control));
    EXPECT_EQ(1, SendMessageA(control, LCM_ENSUREVISIBLE, 0, 60));
    EXPECT_EQ(60, FirstRow(control));
    EXPECT_EQ(-1, SendMessageA(control, LCM_ENSUREVISIBLE, 0, 600));
    EXPECT_EQ(60, FirstRow(control));
}

}  // namespace
