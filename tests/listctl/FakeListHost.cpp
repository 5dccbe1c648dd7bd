#include "FakeListHost.h"

namespace {

constexpr char HostClass[] = "SavorumListHost";

void RegisterHostClass()
{
    WNDCLASSA windowClass{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), HostClass, &windowClass))
        return;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = HostClass;
    RegisterClassA(&windowClass);
}

}  // namespace

CFakeListHost::CFakeListHost()
{
    RegisterHostClass();
    m_hwnd = CreateWindowExA(0, HostClass, "List host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 500, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CFakeListHost::WindowProc));
}

CFakeListHost::~CFakeListHost()
{
    Destroy();
}

void CFakeListHost::Destroy()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    m_hwnd = nullptr;
}

HWND CFakeListHost::Create(DWORD style, int height, int id)
{
    if (!(style & LBS_OWNERDRAWFIXED))
        style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    return CreateWindowExA(0, "Lumbra", "", WS_CHILD | WS_VISIBLE | style, 20, 20, 200, height, m_hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

HWND CFakeListHost::Child(HWND control)
{
    return GetDlgItem(control, 100);
}

std::vector<int> CFakeListHost::Rows(HWND control) const
{
    std::vector<int> rows;
    LRESULT count = SendMessageA(control, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row)
    {
        DWORD key = static_cast<DWORD>(SendMessageA(control, LB_GETITEMDATA, row, 0));
        rows.push_back(static_cast<int>(key - source.keyOffset));
    }
    return rows;
}

int CFakeListHost::SelectedRow(HWND control)
{
    return static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0));
}

int CFakeListHost::Thumb(HWND control)
{
    return GetScrollPos(Child(control), SB_VERT);
}

bool CFakeListHost::BarShown(HWND control)
{
    return (GetWindowLongPtrA(Child(control), GWL_STYLE) & WS_VSCROLL) != 0;
}

LRESULT CALLBACK CFakeListHost::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* host = reinterpret_cast<CFakeListHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!host || message == WM_NCDESTROY)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return host->OnMessage(message, wParam, lParam);
}

LRESULT CFakeListHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT reply = 0;
    if (askTextOn != 0 && message == askTextOn)
        AskText(wParam);
    if (source.Handle(message, wParam, lParam, reply))
        return reply;
    switch (message)
    {
    case WM_MEASUREITEM:
    {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        RecordOwnerDraw(item->CtlID, nullptr);
        item->itemHeight = measureHeight;
        return TRUE;
    }
    case WM_DRAWITEM:
    {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        RecordOwnerDraw(item->CtlID, item->hwndItem);
        return TRUE;
    }
    case WM_COMMAND: commands.push_back(wParam); return 0;
    }
    return DefWindowProcA(m_hwnd, message, wParam, lParam);
}

void CFakeListHost::AskText(WPARAM ctlId)
{
    char text[32];
    LCITEMREQUEST block{};
    block.itemData = static_cast<DWORD>(askTextItem);
    block.itemID = askTextItem;
    block.pszText = text;
    SendMessageA(GetDlgItem(m_hwnd, static_cast<int>(ctlId)), LCM_GETTEXT, sizeof text,
                 reinterpret_cast<LPARAM>(&block));
}

void CFakeListHost::RecordOwnerDraw(UINT ctlId, HWND item)
{
    ownerDrawIds.push_back(ctlId);
    ownerDrawWindows.push_back(item);
}
