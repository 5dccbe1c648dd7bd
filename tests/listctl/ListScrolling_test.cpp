#include "ListTestFixture.h"

#include <functional>

namespace {

using ScrollingTest = ListControlTest;

LRESULT Scroll(HWND control, int code, int position = 0)
{
    // The child list hands its scroll bar to the frame, as a click on the bar would.
    return SendMessageA(CFakeListHost::Child(control), WM_VSCROLL, MAKEWPARAM(code, position), 0);
}

TEST_F(ScrollingTest, ScrollBarMovesTheRowsAtBothEnds)
{
    struct Case
    {
        const char* name;
        int count;
        int start;
        int code;
        int position;
        int first;
        int thumb;
        std::vector<UINT> queries;
    };
    const Case cases[] = {
        {"line down at the top", 100, 0, SB_LINEDOWN, 0, 1, 1, {LCN_GETNEXT}},
        {"line up at the top", 100, 0, SB_LINEUP, 0, 0, 0, {LCN_GETPREV}},
        {"line down at the end", 100, 90, SB_LINEDOWN, 0, 90, 100, {LCN_GETNEXT}},
        {"line up at the end", 100, 90, SB_LINEUP, 0, 89, 97, {LCN_GETPREV}},
        {"page down at the top", 100, 0, SB_PAGEDOWN, 0, 10, 10, Repeat(LCN_GETNEXT, 10)},
        {"page down near the end", 100, 85, SB_PAGEDOWN, 0, 90, 100, Repeat(LCN_GETNEXT, 6)},
        {"page up at the top", 100, 0, SB_PAGEUP, 0, 0, 0, {LCN_GETPREV}},
        {"page up at the end", 100, 90, SB_PAGEUP, 0, 80, 87, Repeat(LCN_GETPREV, 10)},
        {"page up near the top", 100, 4, SB_PAGEUP, 0, 0, 0, Repeat(LCN_GETPREV, 5)},
        {"top", 100, 50, SB_TOP, 0, 0, 0, Repeat(LCN_GETNEXT, 9)},
        {"bottom", 100, 0, SB_BOTTOM, 0, 90, 100, Repeat(LCN_GETPREV, 9)},
        {"thumb at 0", 100, 50, SB_THUMBPOSITION, 0, 0, 0, Repeat(LCN_GETNEXT, 9)},
        {"thumb at 100", 100, 0, SB_THUMBPOSITION, 100, 90, 100, Repeat(LCN_GETPREV, 9)},
        {"thumb at 37 of 100", 100, 0, SB_THUMBPOSITION, 37, 33, 36, Repeat(LCN_GETNEXT, 9)},
        {"thumb at 37 of 1000", 1000, 0, SB_THUMBPOSITION, 37, 366, 36, Repeat(LCN_GETNEXT, 9)},
        {"thumb tracking", 100, 0, SB_THUMBTRACK, 37, 0, 0, {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        HWND control = MakeList(c.count);
        StartAt(control, c.start);
        std::vector<UINT> queries = c.queries;
        if (c.code == SB_TOP || (c.code == SB_THUMBPOSITION && c.position == 0))
            queries.insert(queries.begin(), LCN_GETFIRST);
        else if (c.code == SB_BOTTOM || (c.code == SB_THUMBPOSITION && c.position == 100))
            queries.insert(queries.begin(), LCN_GETLAST);
        else if (c.code == SB_THUMBPOSITION)
            queries.insert(queries.begin(), LCN_GETAT);
        EXPECT_EQ(1, Scroll(control, c.code, c.position));
        EXPECT_EQ(queries, host.source.Queries());
        EXPECT_EQ(Range(c.first, 10), host.Rows(control));
        EXPECT_EQ(c.first, SendMessageA(control, LCM_GETTOPINDEX, 0, 0));
        EXPECT_EQ(c.thumb, CFakeListHost::Thumb(control));
        DestroyWindow(control);
    }
}

TEST_F(ScrollingTest, ThumbIsAPercentageOfTheWayThrough)
{
    const struct
    {
        int first;
        int thumb;
    } cases[] = {{0, 0}, {495, 49}, {990, 100}, {989, 99}};
    HWND control = MakeList(1000);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.first);
        SendMessageA(control, LCM_ENSUREVISIBLE, 0, c.first);
        EXPECT_EQ(c.first, SendMessageA(control, LCM_GETTOPINDEX, 0, 0));
        EXPECT_EQ(c.thumb, CFakeListHost::Thumb(control));
    }
}

TEST_F(ScrollingTest, PageMessagesScrollByAPageAndSomeLines)
{
    const struct
    {
        UINT message;
        int lines;
        int first;
    } cases[] = {{LCM_PAGEDOWN, 0, 60},
                 {LCM_PAGEDOWN, -3, 57},
                 {LCM_PAGEDOWN, 2, 62},
                 {LCM_PAGEUP, 0, 40},
                 {LCM_PAGEUP, -9, 49}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.first);
        HWND control = MakeList(100);
        StartAt(control, 50);
        EXPECT_EQ(1, SendMessageA(control, c.message, c.lines, 0));
        EXPECT_EQ(Range(c.first, 10), host.Rows(control));
        DestroyWindow(control);
    }
}

TEST_F(ScrollingTest, RowsLeavingAreAnnouncedByIndexOrKey)
{
    HWND control = MakeList(100);
    Scroll(control, SB_LINEDOWN);
    Scroll(control, SB_LINEUP);
    EXPECT_EQ((std::vector<DWORD>{0, 10}), host.source.Dropped());
    DestroyWindow(control);

    host.source.keyed = true;
    host.source.keyOffset = 500;
    control = MakeList(100, 10, LCS_KEYED);
    Scroll(control, SB_LINEDOWN);
    Scroll(control, SB_LINEUP);
    EXPECT_EQ((std::vector<DWORD>{500, 510}), host.source.Dropped());
}

TEST_F(ScrollingTest, AParentQueryWhileRowsLeaveDoesNotChangeTheRowsComingIn)
{
    constexpr int Refresh = -1;
    struct Case
    {
        const char* name;
        UINT notice;
        int start;
        int code;
        int first;
    };
    const Case cases[] = {
        {"line down", LCN_ITEMDROPPED, 0, SB_LINEDOWN, 1},    {"line up", LCN_ITEMDROPPED, 20, SB_LINEUP, 19},
        {"page down", LCN_ITEMDROPPED, 0, SB_PAGEDOWN, 10},   {"page up", LCN_ITEMDROPPED, 20, SB_PAGEUP, 10},
        {"page reloaded", LCN_RESETCONTENT, 20, Refresh, 20},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        HWND control = MakeList(100);
        StartAt(control, c.start);
        host.askTextOn = c.notice;
        host.askTextItem = 90;
        if (c.code == Refresh)
            EXPECT_EQ(1, SendMessageA(control, LCM_REFRESH, 0, 0));
        else
            EXPECT_EQ(1, Scroll(control, c.code));
        host.askTextOn = 0;
        EXPECT_EQ(Range(c.first, 10), host.Rows(control));
        DestroyWindow(control);
    }
}

TEST_F(ScrollingTest, HeldMouseScrollsOnlyFromAnEdgeRow)
{
    const struct
    {
        int selectedRow;
        int first;
    } cases[] = {{9, 11}, {5, 10}, {0, 9}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.selectedRow);
        HWND control = MakeList(100);
        StartAt(control, 10);
        SendMessageA(control, LCM_SELECT, LCN_GETAT, 10 + c.selectedRow);
        SendMessageA(CFakeListHost::Child(control), 0x118 /* WM_SYSTIMER */, 0, 0);
        EXPECT_EQ(c.first, SendMessageA(control, LCM_GETTOPINDEX, 0, 0));
        DestroyWindow(control);
    }
}

struct ListState
{
    std::vector<int> rows;
    int selectedRow;
    LRESULT selection;
    LRESULT top;
    bool operator==(const ListState& other) const
    {
        return rows == other.rows && selectedRow == other.selectedRow && selection == other.selection &&
               top == other.top;
    }
};

TEST_F(ScrollingTest, FailedQueriesLeaveRowsAndSelectionAlone)
{
    using Action = std::function<LRESULT(HWND)>;
    const struct
    {
        const char* name;
        Action action;
        LRESULT reply;
    } cases[] = {
        {"line down", [](HWND c) { return Scroll(c, SB_LINEDOWN); }, 1},
        {"line up", [](HWND c) { return Scroll(c, SB_LINEUP); }, 1},
        {"page down", [](HWND c) { return Scroll(c, SB_PAGEDOWN); }, 1},
        {"page up", [](HWND c) { return Scroll(c, SB_PAGEUP); }, 1},
        {"top", [](HWND c) { return Scroll(c, SB_TOP); }, 1},
        {"bottom", [](HWND c) { return Scroll(c, SB_BOTTOM); }, 1},
        {"thumb", [](HWND c) { return Scroll(c, SB_THUMBPOSITION, 37); }, -1},
        {"LCM_PAGEDOWN", [](HWND c) { return SendMessageA(c, LCM_PAGEDOWN, 0, 0); }, -1},
        {"LCM_PAGEUP", [](HWND c) { return SendMessageA(c, LCM_PAGEUP, 0, 0); }, -1},
        {"select first", [](HWND c) { return SendMessageA(c, LCM_SELECT, LCN_GETFIRST, 0); }, -1},
        {"select last", [](HWND c) { return SendMessageA(c, LCM_SELECT, LCN_GETLAST, 0); }, -1},
        {"select at", [](HWND c) { return SendMessageA(c, LCM_SELECT, LCN_GETAT, 80); }, -1},
        {"select next", [](HWND c) { return SendMessageA(c, LCM_SELECT, LCN_GETNEXT, 59); }, -1},
        {"select previous", [](HWND c) { return SendMessageA(c, LCM_SELECT, LCN_GETPREV, 50); }, -1},
        {"ensure visible", [](HWND c) { return SendMessageA(c, LCM_ENSUREVISIBLE, 0, 80); }, -1},
        {"refresh", [](HWND c) { return SendMessageA(c, LCM_REFRESH, 0, 0); }, -1},
        {"end key", [](HWND c) { return SendMessageA(c, WM_VKEYTOITEM, VK_END, 0); }, -2},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        host.source.failAll = false;
        HWND control = MakeList(100);
        StartAt(control, 50);
        SendMessageA(control, LCM_SELECT, LCN_GETAT, 53);
        auto state = [&] {
            return ListState{host.Rows(control), CFakeListHost::SelectedRow(control),
                             SendMessageA(control, LCM_GETCURSEL, 0, 0), SendMessageA(control, LCM_GETTOPINDEX, 0, 0)};
        };
        ListState before = state();
        host.source.failAll = true;
        EXPECT_EQ(c.reply, c.action(control));
        EXPECT_TRUE(before == state());
        EXPECT_TRUE(host.source.Dropped().empty());
        DestroyWindow(control);
    }
}

// Counts the child list's WM_SETREDRAW traffic beneath the control's own subclass.
struct RedrawCounter
{
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_SETREDRAW)
            (wParam ? s_on : s_off)++;
        return CallWindowProcA(s_previous, hwnd, message, wParam, lParam);
    }
    static void Attach(HWND child)
    {
        s_on = s_off = 0;
        s_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RedrawCounter::Proc)));
    }
    static int s_on;
    static int s_off;
    static WNDPROC s_previous;
};
int RedrawCounter::s_on = 0;
int RedrawCounter::s_off = 0;
WNDPROC RedrawCounter::s_previous = nullptr;

TEST_F(ScrollingTest, DrawingIsSuspendedAndResumedInPairs)
{
    HWND control = MakeList(100);
    RedrawCounter::Attach(CFakeListHost::Child(control));
    SendMessageA(control, LCM_SELECT, LCN_GETAT, 3);
    for (int code : {SB_PAGEDOWN, SB_LINEDOWN, SB_BOTTOM, SB_LINEDOWN, SB_PAGEUP, SB_TOP, SB_LINEUP})
        Scroll(control, code);
    for (int key : {VK_NEXT, VK_DOWN, VK_END, VK_PRIOR, VK_HOME, VK_UP})
        SendMessageA(control, WM_VKEYTOITEM, key, 0);
    SendMessageA(control, LCM_SELECT, LCN_GETAT, 70);
    host.source.failAll = true;
    SendMessageA(control, LCM_SELECT, LCN_GETAT, 10);
    Scroll(control, SB_THUMBPOSITION, 50);
    EXPECT_GT(RedrawCounter::s_off, 0);
    EXPECT_EQ(RedrawCounter::s_off, RedrawCounter::s_on);

    // A caller's suspension holds until the caller resumes: nested work draws once, at the end.
    host.source.failAll = false;
    SendMessageA(control, WM_SETREDRAW, FALSE, 0);
    int on = RedrawCounter::s_on;
    Scroll(control, SB_PAGEDOWN);
    Scroll(control, SB_BOTTOM);
    EXPECT_EQ(on, RedrawCounter::s_on);
    SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(on + 1, RedrawCounter::s_on);
    EXPECT_EQ(RedrawCounter::s_off, RedrawCounter::s_on);
}

}  // namespace
