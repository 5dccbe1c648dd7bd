#include "ListTestFixture.h"

namespace {

using SelectionTest = ListControlTest;

struct SelectCase
{
    const char* name;
    int start;     // top item before the message
    int selected;  // item selected before the message, -1 none
    WPARAM mode;
    int item;
    LRESULT reply;
    int first;      // top item after
    int selection;  // selected item after, -1 none
};

// Items are written as indices; in keyed mode they travel as keys.
void RunSelectCases(CFakeListHost& host, bool keyed, const SelectCase* cases, size_t count)
{
    const int offset = keyed ? 1000 : 0;
    for (size_t i = 0; i < count; ++i)
    {
        const SelectCase& c = cases[i];
        SCOPED_TRACE(c.name);
        host.source.keyed = keyed;
        host.source.keyOffset = offset;
        host.source.count = 100;
        HWND control = host.Create(keyed ? LCS_KEYED : 0, 10 * CFakeListHost::RowHeight);
        SendMessageA(control, LCM_INIT, 0, 0);
        if (c.selected >= 0)
            SendMessageA(control, LCM_SELECT, LCN_GETAT, c.selected + offset);
        SendMessageA(control, LCM_ENSUREVISIBLE, 0, c.start + offset);
        LPARAM item = c.item < 0 ? c.item : c.item + offset;
        EXPECT_EQ(c.reply, SendMessageA(control, LCM_SELECT, c.mode, item));
        std::vector<int> rows = host.Rows(control);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(c.first, rows.front());
        LRESULT selection = SendMessageA(control, LCM_GETCURSEL, 0, 0);
        EXPECT_EQ(c.selection, selection < 0 ? -1 : selection - offset);
        int row = CFakeListHost::SelectedRow(control);
        EXPECT_EQ(c.selection, row < 0 ? -1 : rows[row]);
        DestroyWindow(control);
    }
}

const SelectCase selectCases[] = {
    {"first", 50, 55, LCN_GETFIRST, 0, 0, 0, 0},
    {"last", 0, 5, LCN_GETLAST, 0, 0, 90, 99},
    {"next inside the rows", 0, -1, LCN_GETNEXT, 3, 0, 0, 4},
    {"next of the bottom row", 0, -1, LCN_GETNEXT, 9, 0, 1, 10},
    {"next at the end", 90, 99, LCN_GETNEXT, 99, -1, 90, 99},
    {"next of an item not loaded", 0, -1, LCN_GETNEXT, 50, 0, 50, 51},
    {"previous inside the rows", 0, -1, LCN_GETPREV, 3, 0, 0, 2},
    {"previous of the top row", 20, -1, LCN_GETPREV, 20, 0, 19, 19},
    {"previous at the start", 0, 0, LCN_GETPREV, 0, -1, 0, 0},
    {"previous of an item not loaded", 0, -1, LCN_GETPREV, 50, 0, 49, 49},
    {"at a loaded item", 0, -1, LCN_GETAT, 7, 0, 0, 7},
    {"at an item not loaded", 0, -1, LCN_GETAT, 40, 0, 40, 40},
    {"at an item near the end", 0, -1, LCN_GETAT, 95, 0, 90, 95},
    {"at a missing item", 0, 4, LCN_GETAT, 120, -1, 0, 4},
    {"clear", 0, 4, LCN_GETAT, -1, -1, 0, -1},
    {"unknown mode", 0, 4, 1640, 7, 0, 0, 4},
};

TEST_F(SelectionTest, SelectModesByIndex)
{
    RunSelectCases(host, false, selectCases, std::size(selectCases));
}

TEST_F(SelectionTest, SelectModesByKey)
{
    RunSelectCases(host, true, selectCases, std::size(selectCases));
}

TEST_F(SelectionTest, KeysMoveTheSelectionAndTellTheParent)
{
    const struct
    {
        const char* name;
        int key;
        int start;
        int selected;
        LRESULT reply;
        int first;
        int selection;
        bool told;
    } cases[] = {
        {"down", VK_DOWN, 0, 3, -2, 0, 4, true},
        {"down from the bottom row", VK_DOWN, 0, 9, -2, 1, 10, true},
        {"down at the end", VK_DOWN, 90, 99, -2, 90, 99, false},
        {"down from an item scrolled away", VK_DOWN, 50, 5, -2, 5, 6, true},
        {"up at the start", VK_UP, 0, 0, -2, 0, 0, false},
        {"up from the top row", VK_UP, 10, 10, -2, 9, 9, true},
        {"page down from row 4", VK_NEXT, 0, 4, -2, 4, 13, true},
        {"page down from the top row", VK_NEXT, 0, 0, -2, 0, 9, true},
        {"page down near the end", VK_NEXT, 85, 93, -2, 90, 99, true},
        {"page up from row 4", VK_PRIOR, 20, 24, -2, 15, 15, true},
        {"page up near the start", VK_PRIOR, 3, 5, -2, 0, 0, true},
        {"page up without a selection", VK_PRIOR, 20, -1, -2, 20, -1, false},
        {"home", VK_HOME, 50, 55, -2, 0, 0, true},
        {"end", VK_END, 0, 5, -2, 90, 99, true},
        {"any other key", VK_LEFT, 0, 3, -1, 0, 3, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        HWND control = MakeList(100);
        if (c.selected >= 0)
            SendMessageA(control, LCM_SELECT, LCN_GETAT, c.selected);
        SendMessageA(control, LCM_ENSUREVISIBLE, 0, c.start);
        host.commands.clear();
        EXPECT_EQ(c.reply, SendMessageA(control, WM_VKEYTOITEM, MAKEWPARAM(c.key, 0),
                                        reinterpret_cast<LPARAM>(CFakeListHost::Child(control))));
        EXPECT_EQ(c.first, FirstRow(control));
        EXPECT_EQ(c.selection, SendMessageA(control, LCM_GETCURSEL, 0, 0));
        std::vector<WPARAM> told;
        if (c.told)
            told.push_back(MAKEWPARAM(CFakeListHost::ListId, LBN_SELCHANGE));
        EXPECT_EQ(told, host.commands);
        DestroyWindow(control);
    }
}

TEST_F(SelectionTest, RealKeyPressReachesTheControl)
{
    HWND control = MakeList(100);
    SendMessageA(control, LCM_SELECT, LCN_GETAT, 9);
    SendMessageA(CFakeListHost::Child(control), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(10, SendMessageA(control, LCM_GETCURSEL, 0, 0));
    EXPECT_EQ(1, FirstRow(control));
}

TEST_F(SelectionTest, ClickingARowSelectsItsItem)
{
    HWND control = MakeList(100);
    StartAt(control, 30);
    HWND child = CFakeListHost::Child(control);
    LPARAM row2 = MAKELPARAM(10, 2 * CFakeListHost::RowHeight + 3);
    SendMessageA(child, WM_LBUTTONDOWN, MK_LBUTTON, row2);
    SendMessageA(child, WM_LBUTTONUP, 0, row2);
    EXPECT_EQ(32, SendMessageA(control, LCM_GETCURSEL, 0, 0));
}

TEST_F(SelectionTest, FocusStaysOnTheFrameWhileTheSelectedItemIsAway)
{
    HWND control = MakeList(100);
    HWND child = CFakeListHost::Child(control);
    SendMessageA(control, LCM_SELECT, LCN_GETAT, 0);
    SetFocus(control);
    EXPECT_EQ(child, GetFocus());

    SendMessageA(child, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(control, GetFocus());
    EXPECT_EQ(-1, CFakeListHost::SelectedRow(control));
    EXPECT_EQ(0, SendMessageA(control, LCM_GETCURSEL, 0, 0));

    SendMessageA(child, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageA(child, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(child, GetFocus());
    EXPECT_EQ(0, CFakeListHost::SelectedRow(control));
}

}  // namespace
