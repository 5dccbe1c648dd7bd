#include "ListTestFixture.h"

namespace {

using LoadingTest = ListControlTest;

TEST_F(LoadingTest, CountIsNotAskedBeforeInit)
{
    HWND control = host.Create(0, 160);
    EXPECT_EQ(-2, SendMessageA(control, LCM_GETCOUNT, 0, 0));
    EXPECT_TRUE(host.source.log.empty());
}

TEST_F(LoadingTest, InitLoadsOnlyTheFirstPage)
{
    struct Case
    {
        int count;
        std::vector<UINT> queries;
        std::vector<int> rows;
        bool barShown;
    };
    const Case cases[] = {
        {0, {LCN_GETCOUNT}, {}, false},
        {1, {LCN_GETCOUNT, LCN_GETFIRST, LCN_GETNEXT}, {0}, false},
        {10, Repeat(LCN_GETNEXT, 9, {}), Range(0, 10), false},
        {1000000, Repeat(LCN_GETNEXT, 9, {}), Range(0, 10), true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.count);
        std::vector<UINT> queries = c.queries;
        if (c.count >= 10)
            queries.insert(queries.begin(), {LCN_GETCOUNT, LCN_GETFIRST});
        host.source.count = c.count;
        host.source.ClearLog();
        HWND control = host.Create(0, 160);
        EXPECT_EQ(0, SendMessageA(control, LCM_INIT, 0, 0));
        EXPECT_EQ(queries, host.source.Queries());
        EXPECT_EQ(c.rows, host.Rows(control));
        EXPECT_EQ(c.count, SendMessageA(control, LCM_GETCOUNT, 0, 0));
        EXPECT_EQ(-1, SendMessageA(control, LCM_GETCURSEL, 0, 0));
        EXPECT_EQ(0, SendMessageA(control, LCM_GETTOPINDEX, 0, 0));
        EXPECT_EQ(c.barShown, CFakeListHost::BarShown(control));
        EXPECT_EQ(0, CFakeListHost::Thumb(control));
        DestroyWindow(control);
    }
}

TEST_F(LoadingTest, DisableNoScrollDisablesTheBarInsteadOfHidingIt)
{
    HWND control = MakeList(5, 10, LBS_DISABLENOSCROLL);
    EXPECT_TRUE(CFakeListHost::BarShown(control));
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    GetScrollBarInfo(CFakeListHost::Child(control), OBJID_VSCROLL, &bar);
    // Wine reports a disabled bar through its arrows.
    EXPECT_NE(0u, bar.rgstate[1] & STATE_SYSTEM_UNAVAILABLE);
}

TEST_F(LoadingTest, UnknownCountWorksByKeysWithTheThumbInTheMiddle)
{
    host.source.countKnown = false;
    host.source.keyed = true;
    host.source.keyOffset = 1000;
    HWND control = MakeList(50);
    EXPECT_EQ(-1, SendMessageA(control, LCM_GETCOUNT, 0, 0));
    EXPECT_EQ(Range(0, 10), host.Rows(control));
    EXPECT_EQ(1000, SendMessageA(control, LCM_GETTOPINDEX, 0, 0));
    EXPECT_EQ(50, CFakeListHost::Thumb(control));

    SendMessageA(CFakeListHost::Child(control), WM_VSCROLL, SB_LINEDOWN, 0);
    ASSERT_EQ(std::vector<UINT>{LCN_GETNEXT}, host.source.Queries());
    const ListTraffic& next = host.source.log.front();
    EXPECT_EQ(LCN_GETNEXT, next.message);
    EXPECT_EQ(1009u, next.key);
    EXPECT_EQ(-1, next.index);
    EXPECT_EQ(Range(1, 10), host.Rows(control));
    EXPECT_EQ(50, CFakeListHost::Thumb(control));
    EXPECT_EQ(std::vector<DWORD>{1000}, host.source.Dropped());

    EXPECT_EQ(0, SendMessageA(control, LCM_SELECT, LCN_GETAT, 1005));
    EXPECT_EQ(1005, SendMessageA(control, LCM_GETCURSEL, 0, 0));
}

TEST_F(LoadingTest, ResetContentAnnouncesAndReloads)
{
    HWND control = MakeList(100);
    SendMessageA(control, LCM_SELECT, LCN_GETAT, 3);
    host.source.ClearLog();
    host.source.count = 40;
    EXPECT_EQ(0, SendMessageA(control, LCM_RESETCONTENT, 0, 0));
    EXPECT_EQ(LCN_RESETCONTENT, host.source.log.front().message);
    EXPECT_EQ(40, SendMessageA(control, LCM_GETCOUNT, 0, 0));
    EXPECT_EQ(Range(0, 10), host.Rows(control));
    EXPECT_EQ(-1, SendMessageA(control, LCM_GETCURSEL, 0, 0));
    EXPECT_EQ(-1, CFakeListHost::SelectedRow(control));
}

TEST_F(LoadingTest, RefreshReloadsFromTheSameTopOrEmpties)
{
    HWND control = MakeList(100);
    StartAt(control, 30);
    host.source.count = 35;
    EXPECT_EQ(1, SendMessageA(control, LCM_REFRESH, 0, 0));
    EXPECT_EQ(Range(25, 10), host.Rows(control));

    host.source.count = 0;
    EXPECT_EQ(1, SendMessageA(control, LCM_REFRESH, 0, 0));
    EXPECT_TRUE(host.Rows(control).empty());
    EXPECT_FALSE(CFakeListHost::BarShown(control));
}

TEST_F(LoadingTest, RefreshAfterTheListShrankBelowTheTopShowsTheLastPage)
{
    struct Case
    {
        const char* name;
        bool keyed;
    };
    for (const Case& c : {Case{"by index", false}, Case{"by key", true}})
    {
        SCOPED_TRACE(c.name);
        host.source.keyed = c.keyed;
        HWND control = MakeList(100, 10, c.keyed ? LCS_KEYED : 0);
        StartAt(control, 60);
        host.source.count = 20;
        EXPECT_EQ(1, SendMessageA(control, LCM_REFRESH, 0, 0));
        EXPECT_EQ(Range(10, 10), host.Rows(control));
        DestroyWindow(control);
    }
}

TEST_F(LoadingTest, ResizingDropsRowsFromTheBottomOrLoadsMore)
{
    HWND control = MakeList(100);
    StartAt(control, 40);
    SetWindowPos(control, nullptr, 0, 0, 200, 6 * CFakeListHost::RowHeight, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Range(40, 6), host.Rows(control));
    EXPECT_EQ((std::vector<DWORD>{49, 48, 47, 46}), host.source.Dropped());

    SetWindowPos(control, nullptr, 0, 0, 200, 12 * CFakeListHost::RowHeight, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Range(40, 12), host.Rows(control));
    EXPECT_EQ(12, SendMessageA(control, LCM_GETVISIBLEROWS, 0, 0));
}

TEST_F(LoadingTest, SqueezedBelowOneRowAndGrownBackReloadsFromTheSameTop)
{
    struct Case
    {
        const char* name;
        bool keyed;
    };
    for (const Case& c : {Case{"by index", false}, Case{"by key", true}})
    {
        SCOPED_TRACE(c.name);
        host.source.keyed = c.keyed;
        HWND control = MakeList(100, 10, c.keyed ? LCS_KEYED : 0);
        StartAt(control, 40);
        SetWindowPos(control, nullptr, 0, 0, 200, CFakeListHost::RowHeight / 2, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_TRUE(host.Rows(control).empty());
        SetWindowPos(control, nullptr, 0, 0, 200, 10 * CFakeListHost::RowHeight, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(Range(40, 10), host.Rows(control));
        DestroyWindow(control);
    }
}

TEST_F(LoadingTest, GrowingWithAnUnknownCountReloadsFromTheFirstItem)
{
    host.source.countKnown = false;
    host.source.keyed = true;
    HWND control = MakeList(100);
    SendMessageA(CFakeListHost::Child(control), WM_VSCROLL, SB_PAGEDOWN, 0);
    host.source.ClearLog();
    SetWindowPos(control, nullptr, 0, 0, 200, 12 * CFakeListHost::RowHeight, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(LCN_GETFIRST, host.source.Queries().front());
    EXPECT_EQ(Range(0, 12), host.Rows(control));
}

}  // namespace
