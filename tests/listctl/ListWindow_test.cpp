#include "ListTestFixture.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using WindowTest = ListControlTest;

bool IsWin9xPlatform()
{
    return (GetVersion() & 0x80000000u) != 0;
}

TEST(ListPlatform, RunsUnderThePlatformFlagItWasStartedFor)
{
    EXPECT_EQ(std::getenv("SAVORUM_EXPECT_WIN9X") != nullptr, IsWin9xPlatform());
}

int WindowHeight(HWND hwnd)
{
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return rect.bottom - rect.top;
}

TEST_F(WindowTest, HeightShrinksToWholeRowsUnlessTold)
{
    const int tenAndAHalfRows = 10 * CFakeListHost::RowHeight + CFakeListHost::RowHeight / 2;
    HWND control = host.Create(0, tenAndAHalfRows);
    EXPECT_EQ(10 * CFakeListHost::RowHeight, WindowHeight(control));
    EXPECT_EQ(10, SendMessageA(control, LCM_GETVISIBLEROWS, 0, 0));

    HWND loose = host.Create(LBS_NOINTEGRALHEIGHT, tenAndAHalfRows, 2);
    EXPECT_EQ(tenAndAHalfRows, WindowHeight(loose));
    EXPECT_EQ(10, SendMessageA(loose, LCM_GETVISIBLEROWS, 0, 0));
}

TEST_F(WindowTest, OwnerDrawGoesToTheParentAsTheControl)
{
    host.measureHeight = 20;
    host.source.count = 100;
    HWND control = host.Create(0, 8 * 20);
    SendMessageA(control, LCM_INIT, 0, 0);
    UpdateWindow(host.Window());
    EXPECT_EQ(20, SendMessageA(control, LCM_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(8, SendMessageA(control, LCM_GETVISIBLEROWS, 0, 0));
    ASSERT_GT(host.ownerDrawIds.size(), 1u);
    for (size_t i = 0; i < host.ownerDrawIds.size(); ++i)
    {
        EXPECT_EQ(static_cast<UINT>(CFakeListHost::ListId), host.ownerDrawIds[i]);
        if (host.ownerDrawWindows[i])
        {
            EXPECT_EQ(control, host.ownerDrawWindows[i]);
        }
    }
}

TEST_F(WindowTest, SetItemHeightRefitsTheRows)
{
    HWND control = MakeList(100);
    EXPECT_NE(LB_ERR, SendMessageA(control, LCM_SETITEMHEIGHT, 0, 2 * CFakeListHost::RowHeight));
    EXPECT_EQ(5, SendMessageA(control, LCM_GETVISIBLEROWS, 0, 0));
    EXPECT_EQ(Range(0, 5), host.Rows(control));
}

TEST_F(WindowTest, ChildNotificationsCarryTheControlIdWhenAsked)
{
    for (DWORD style : {DWORD{0}, DWORD{LBS_NOTIFY}})
    {
        SCOPED_TRACE(style);
        HWND control = MakeList(100, 10, style);
        HWND child = CFakeListHost::Child(control);
        SendMessageA(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        bool told = false;
        for (WPARAM command : host.commands)
            told |= command == MAKEWPARAM(CFakeListHost::ListId, LBN_SELCHANGE);
        EXPECT_EQ(style != 0, told);
        EXPECT_EQ(0, SendMessageA(control, LCM_GETCURSEL, 0, 0));
        DestroyWindow(control);
    }
}

TEST_F(WindowTest, BorderIsDrawnRoundTheControlAndRowsStillSelect)
{
    HWND control = MakeList(100, 10, LCS_3DBORDER);
    RedrawWindow(host.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, host.Window(), reinterpret_cast<POINT*>(&rect), 2);
    const int midX = (rect.left + rect.right) / 2;
    const int midY = (rect.top + rect.bottom) / 2;
    const struct
    {
        const char* edge;
        int x;
        int y;
        int colour;
    } pixels[] = {
        {"left inner", rect.left - 1, midY, COLOR_WINDOWFRAME},
        {"left outer", rect.left - 2, midY, COLOR_BTNSHADOW},
        {"top inner", midX, rect.top - 1, COLOR_WINDOWFRAME},
        {"top outer", midX, rect.top - 2, COLOR_BTNSHADOW},
        {"right inner", rect.right, midY, COLOR_BTNFACE},
        {"right outer", rect.right + 1, midY, COLOR_BTNHIGHLIGHT},
        {"bottom inner", midX, rect.bottom, COLOR_BTNFACE},
        {"bottom outer", midX, rect.bottom + 1, COLOR_BTNHIGHLIGHT},
    };
    HDC dc = GetDC(host.Window());
    for (const auto& p : pixels)
    {
        SCOPED_TRACE(p.edge);
        EXPECT_EQ(GetSysColor(p.colour), GetPixel(dc, p.x, p.y));
    }
    ReleaseDC(host.Window(), dc);

    EXPECT_EQ(0, SendMessageA(control, LCM_SELECT, LCN_GETAT, 3));
    EXPECT_EQ(3, CFakeListHost::SelectedRow(control));
    HDC listDC = GetDC(CFakeListHost::Child(control));
    EXPECT_NE(0, SendMessageA(control, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(listDC), 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetBkColor(listDC));
    ReleaseDC(CFakeListHost::Child(control), listDC);
}

TEST_F(WindowTest, NoBorderWithoutTheStyle)
{
    HWND control = MakeList(100);
    RedrawWindow(host.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, host.Window(), reinterpret_cast<POINT*>(&rect), 2);
    HDC dc = GetDC(host.Window());
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(dc, rect.left - 1, (rect.top + rect.bottom) / 2));
    ReleaseDC(host.Window(), dc);
}

TEST_F(WindowTest, ClassLivesExactlyWhileTheLibraryIsLoaded)
{
    WNDCLASSA info{};
    for (int round = 0; round < 3; ++round)
    {
        SCOPED_TRACE(round);
        EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "Lumbra", &info));
        HWND control = MakeList(100);
        EXPECT_EQ(Range(0, 10), host.Rows(control));
        DestroyWindow(control);

        ASSERT_TRUE(FreeLibrary(m_library));
        m_library = nullptr;
        EXPECT_EQ(nullptr, GetModuleHandleA("LUMBRA32.DLL"));
        EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "Lumbra", &info));
        m_library = LoadLibraryA("LUMBRA32.DLL");
        ASSERT_NE(nullptr, m_library);
    }
}

// The names in the export table of a loaded module.
std::vector<std::string> ExportedNames(HMODULE module)
{
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& table = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    std::vector<std::string> names;
    if (table.Size == 0)
        return names;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + table.VirtualAddress);
    const auto* nameAddresses = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.emplace_back(reinterpret_cast<const char*>(base + nameAddresses[i]));
    return names;
}

TEST_F(WindowTest, LibraryExportsNothing)
{
    EXPECT_EQ(std::vector<std::string>{}, ExportedNames(m_library));
}

// Logs which messages reach the child list beneath the control's own subclass.
struct ChildSpy
{
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == s_watched)
            ++s_seen;
        return CallWindowProcA(s_previous, hwnd, message, wParam, lParam);
    }
    static void Attach(HWND child, UINT watched)
    {
        s_watched = watched;
        s_seen = 0;
        s_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChildSpy::Proc)));
    }
    static UINT s_watched;
    static int s_seen;
    static WNDPROC s_previous;
};
UINT ChildSpy::s_watched = 0;
int ChildSpy::s_seen = 0;
WNDPROC ChildSpy::s_previous = nullptr;

TEST_F(WindowTest, ListBoxMessagesReachTheChildOnBothPlatforms)
{
    HWND control = MakeList(100);
    EXPECT_EQ(10, SendMessageA(control, LB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, SendMessageA(control, LB_SETCURSEL, 4, 0) == LB_ERR);
    EXPECT_EQ(4, CFakeListHost::SelectedRow(control));

    // Off NT the user range below the control messages belongs to the child as well.
    ChildSpy::Attach(CFakeListHost::Child(control), WM_USER + 7);
    SendMessageA(control, WM_USER + 7, 0, 0);
    EXPECT_EQ(IsWin9xPlatform() ? 1 : 0, ChildSpy::s_seen);
}

INT_PTR CALLBACK SourceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    auto* source = reinterpret_cast<CFakeItemSource*>(GetWindowLongPtrA(dialog, DWLP_USER));
    LRESULT reply = 0;
    if (!source || !source->Handle(message, wParam, lParam, reply))
        return FALSE;
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, reply);
    return TRUE;
}

TEST_F(WindowTest, ControlComesFromADialogTemplateByClassName)
{
    CFakeItemSource source;
    source.count = 500;
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(200), host.Window(), &SourceDialogProc,
                                     reinterpret_cast<LPARAM>(&source));
    ASSERT_NE(nullptr, dialog);
    HWND control = GetDlgItem(dialog, CFakeListHost::ListId);
    ASSERT_NE(nullptr, control);
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    EXPECT_STREQ("Lumbra", className);
    EXPECT_NE(0, SendMessageA(control, WM_GETFONT, 0, 0));

    EXPECT_EQ(0, SendMessageA(control, LCM_INIT, 0, 0));
    LRESULT visible = SendMessageA(control, LCM_GETVISIBLEROWS, 0, 0);
    EXPECT_GT(visible, 0);
    EXPECT_EQ(visible, SendMessageA(control, LB_GETCOUNT, 0, 0));
    char text[16] = {};
    LCITEMREQUEST block{};
    block.itemData = 2;
    block.pszText = text;
    EXPECT_EQ(6, SendMessageA(control, LCM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(&block)));
    EXPECT_STREQ("Item 2", text);
    DestroyWindow(dialog);
}

}  // namespace
