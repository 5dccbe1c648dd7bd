#include "listctl/ListClass.h"

#include "listctl/ListControl.h"
#include "listctl/Look3D.h"

#include <new>

namespace {

constexpr char ClassName[] = "Lumbra";

}  // namespace

bool CListClass::s_registered = false;
bool CListClass::s_notNT = false;
HINSTANCE CListClass::s_module = nullptr;

BOOL CListClass::Register(HINSTANCE module)
{
    if (s_registered)
        return TRUE;
    s_module = module;
    s_notNT = (GetVersion() & 0x80000000u) != 0;
    WNDCLASSA windowClass{};
    windowClass.style = CS_GLOBALCLASS | CS_PARENTDC | CS_DBLCLKS;
    windowClass.lpfnWndProc = &CListClass::WindowProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = ClassName;
    s_registered = RegisterClassA(&windowClass) != 0;
    return s_registered;
}

void CListClass::Unregister()
{
    // The program loads and frees the library repeatedly: a class left registered under a
    // freed module would keep a dangling window procedure.
    if (s_registered)
        UnregisterClassA(ClassName, s_module);
    s_registered = false;
}

LRESULT CALLBACK CListClass::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        return OnNcCreate(hwnd, wParam, lParam);
    LONG_PTR record = GetWindowLongPtrA(hwnd, 0);
    if (record == -1)
        return 0;
    CListControl* control = CListControl::FromWindow(hwnd);
    if (!control)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        return OnNcDestroy(hwnd, wParam, lParam);
    if (GoesToChild(message) && control->Child())
        return SendMessageA(control->Child(), message, wParam, lParam);
    return control->OnMessage(message, wParam, lParam);
}

LRESULT CListClass::OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    auto* creation = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* control = new (std::nothrow) CListControl(hwnd, static_cast<DWORD>(creation->style));
    if (!control)
        return FALSE;
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(control));
    // The scroll bars belong to the child list; the frame shows none.
    LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    SetWindowLongPtrA(hwnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VSCROLL | WS_HSCROLL));
    CLook3D::AddUser();
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT CListClass::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    delete CListControl::FromWindow(hwnd);
    CLook3D::RemoveUser();
    SetWindowLongPtrA(hwnd, 0, -1);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

// List-box messages have the same numbers on every 32-bit platform, so they reach the child
// everywhere; off NT the range below the control messages goes to the child as well.
bool CListClass::GoesToChild(UINT message)
{
    if (message >= LB_ADDSTRING && message <= 0x1AF)
        return true;
    return s_notNT && message >= WM_USER && message <= WM_USER + 499;
}
