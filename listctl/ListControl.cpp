#include "listctl/ListControl.h"

#include "listctl/Look3D.h"

#include <type_traits>

namespace {

constexpr UINT WM_SYSTIMER = 0x118;
constexpr int ChildId = 100;
// Styles the child list box keeps. LCS_3DBORDER goes too: a list box reads 0x4000 as
// LBS_NOSEL, which would make a bordered control unable to select a row.
constexpr DWORD ChildStyleMask = 0xFF4B7DD5 & ~LCS_3DBORDER;

void SetItemWindow(MEASUREITEMSTRUCT&, HWND) {}
void SetItemWindow(DRAWITEMSTRUCT& item, HWND hwnd)
{
    item.hwndItem = hwnd;
}
void SetItemWindow(DELETEITEMSTRUCT& item, HWND hwnd)
{
    item.hwndItem = hwnd;
}
void SetItemWindow(COMPAREITEMSTRUCT& item, HWND hwnd)
{
    item.hwndItem = hwnd;
}

}  // namespace

CListControl::CListControl(HWND hwnd, DWORD creationStyle)
    : m_r(hwnd, creationStyle), m_layout(m_r), m_selector(m_r), m_commands(m_r, m_layout)
{
}

CListControl* CListControl::FromWindow(HWND hwnd)
{
    LONG_PTR value = GetWindowLongPtrA(hwnd, 0);
    return value == 0 || value == -1 ? nullptr : reinterpret_cast<CListControl*>(value);
}

LRESULT CListControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (CListCommands::IsCommand(message))
        return m_commands.OnCommand(message, wParam, lParam);
    switch (message)
    {
    case WM_CREATE: return OnCreate(*reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_SIZE: return OnSize(LOWORD(lParam), HIWORD(lParam));
    case WM_SETFOCUS: return OnSetFocus();
    case WM_KILLFOCUS: return OnKillFocus(reinterpret_cast<HWND>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE: return OnEnable(wParam != 0);
    case WM_PAINT: return OnPaint();
    case WM_CTLCOLORLISTBOX: return OnCtlColor(message, wParam, lParam);
    case WM_SETFONT: return OnSetFont(reinterpret_cast<HFONT>(wParam), lParam != 0);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(m_r.m_font);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_VKEYTOITEM: return m_selector.OnVKeyToItem(wParam);
    case WM_CHARTOITEM: return m_selector.OnCharToItem(wParam);
    case WM_VSCROLL: return m_selector.OnVScroll(LOWORD(wParam), HIWORD(wParam));
    case WM_SYSTIMER: return m_selector.OnSysTimer();
    }
    return OnStandardMessage(message, wParam, lParam);
}

LRESULT CListControl::OnStandardMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SETREDRAW:
        if (wParam)
            m_r.ResumeRedraw();
        else
            m_r.SuspendRedraw();
        return 1;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM: return RelayOwnerDraw(message, lParam);
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return PassToChild(message, wParam, lParam);
    case LCN_LBUTTONDOWN:
    case LCN_LBUTTONUP:
    case LCN_RBUTTONDOWN: SendMessageA(m_r.m_parent, message, wParam, lParam); return 1;
    case LCN_MOUSEMOVE: return SendMessageA(m_r.m_parent, message, wParam, lParam);
    }
    return DefWindowProcA(m_r.m_hwnd, message, wParam, lParam);
}

LRESULT CListControl::OnCreate(const CREATESTRUCTA& creation)
{
    m_r.m_parent = creation.hwndParent;
    m_r.m_ctlId = static_cast<UINT>(reinterpret_cast<UINT_PTR>(creation.hMenu));
    if (m_r.HasStyle(LCS_KEYED))
        m_r.m_state |= CListRecord::StateKeyed;
    if (!m_r.HasStyle(LBS_OWNERDRAWFIXED) || m_r.HasStyle(LBS_HASSTRINGS))
        m_r.m_state |= CListRecord::StateText;
    m_r.m_rowHeight = CListLayout::TextRowHeight(m_r.m_hwnd, nullptr);
    m_layout.Layout();

    HWND child = CreateChild(creation);
    if (!child)
        return -1;
    m_r.m_child = child;
    m_r.m_horzBarShown = false;
    if (m_r.HasStyle(LBS_DISABLENOSCROLL))
        DisableScrollBars();
    m_r.m_childProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CListControl::ChildProc)));
    return 0;
}

HWND CListControl::CreateChild(const CREATESTRUCTA& creation)
{
    // The child is always visible: a control created hidden shows its rows once it is shown.
    DWORD style = (m_r.m_style & ChildStyleMask) | WS_CHILD | WS_VISIBLE | LBS_WANTKEYBOARDINPUT |
                  LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;
    RECT client;
    GetClientRect(m_r.m_hwnd, &client);
    return CreateWindowExA(0, "LISTBOX", "", style, 0, 0, client.right, client.bottom, m_r.m_hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(ChildId)), creation.hInstance, nullptr);
}

void CListControl::DisableScrollBars()
{
    ShowScrollBar(m_r.m_child, SB_VERT, TRUE);
    EnableScrollBar(m_r.m_child, SB_VERT, ESB_DISABLE_BOTH);
    if (!m_r.HasStyle(WS_HSCROLL))
        return;
    ShowScrollBar(m_r.m_child, SB_HORZ, TRUE);
    EnableScrollBar(m_r.m_child, SB_HORZ, ESB_DISABLE_BOTH);
    m_r.m_horzBarShown = true;
    m_layout.FitRows();
}

LRESULT CListControl::OnSize(int width, int height)
{
    if (width == 0 || height == 0 || !m_r.m_child)
        return 0;
    m_layout.Layout();
    return 1;
}

LRESULT CListControl::OnSetFocus()
{
    m_r.m_state |= CListRecord::StateFocused;
    if (m_r.m_state & CListRecord::StateFocusPending)
        return 1;
    if (m_r.m_selection != -1 && m_r.RowOfItem(m_r.m_selection) >= 0)
        SetFocus(m_r.m_child);
    else
        m_r.m_state |= CListRecord::StateFocusPending;
    return 1;
}

LRESULT CListControl::OnKillFocus(HWND gaining)
{
    if (gaining != m_r.m_child)
        m_r.m_state &= ~CListRecord::StateFocused;
    return 1;
}

LRESULT CListControl::OnEnable(bool enable)
{
    InvalidateRect(m_r.m_hwnd, nullptr, TRUE);
    EnableWindow(m_r.m_child, enable);
    return 1;
}

LRESULT CListControl::OnPaint()
{
    DefWindowProcA(m_r.m_hwnd, WM_PAINT, 0, 0);
    if (m_r.HasStyle(LCS_3DBORDER))
        CLook3D::DrawBorder(m_r.m_hwnd);
    return 1;
}

LRESULT CListControl::OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_r.HasStyle(LCS_3DBORDER))
        return reinterpret_cast<LRESULT>(CLook3D::ColourListDC(reinterpret_cast<HDC>(wParam)));
    return SendMessageA(m_r.m_parent, message, wParam, lParam);
}

LRESULT CListControl::OnSetFont(HFONT font, bool redraw)
{
    m_r.m_font = font;
    SendMessageA(m_r.m_child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    m_layout.UseFontRowHeight();
    if (redraw)
        RedrawWindow(m_r.m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    return 1;
}

LRESULT CListControl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == LBN_SELCHANGE)
    {
        m_r.Synchronise();
        if (m_r.SelectedRow() >= 0)
            m_r.m_state &= ~CListRecord::StateFocusPending;
    }
    if (!m_r.HasStyle(LBS_NOTIFY))
        return 1;
    return SendMessageA(m_r.m_parent, WM_COMMAND, MAKEWPARAM(m_r.m_ctlId, HIWORD(wParam)), lParam);
}

LRESULT CListControl::PassToChild(UINT message, WPARAM wParam, LPARAM lParam)
{
    SetFocus(m_r.m_child);
    SendMessageA(m_r.m_child, message, wParam, lParam);
    return 1;
}

LRESULT CListControl::RelayOwnerDraw(UINT message, LPARAM lParam)
{
    switch (message)
    {
    case WM_MEASUREITEM:
    {
        LRESULT reply = RelayItem<MEASUREITEMSTRUCT>(message, lParam);
        m_layout.SetRowHeight(static_cast<int>(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight));
        return reply;
    }
    case WM_DRAWITEM: return RelayItem<DRAWITEMSTRUCT>(message, lParam);
    case WM_DELETEITEM: return RelayItem<DELETEITEMSTRUCT>(message, lParam);
    default: return RelayItem<COMPAREITEMSTRUCT>(message, lParam);
    }
}

// The parent sees the control, not its child list: its id, and its window as the item window.
template <class Item>
LRESULT CListControl::RelayItem(UINT message, LPARAM lParam)
{
    Item* original = reinterpret_cast<Item*>(lParam);
    Item relayed = *original;
    relayed.CtlType = ODT_LISTBOX;
    relayed.CtlID = m_r.m_ctlId;
    SetItemWindow(relayed, m_r.m_hwnd);
    LRESULT reply = SendMessageA(m_r.m_parent, message, m_r.m_ctlId, reinterpret_cast<LPARAM>(&relayed));
    if constexpr (std::is_same_v<Item, MEASUREITEMSTRUCT>)
        original->itemHeight = relayed.itemHeight;
    return reply;
}

LRESULT CALLBACK CListControl::ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam)
{
    CListControl* control = FromWindow(GetParent(child));
    if (!control)
        return DefWindowProcA(child, message, wParam, lParam);
    return control->OnChildMessage(child, message, wParam, lParam);
}

LRESULT CListControl::OnChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND frame = m_r.m_hwnd;
    switch (message)
    {
    case WM_VSCROLL:
        // The child never scrolls itself: its rows are the only ones it has.
        return SendMessageA(frame, WM_VSCROLL, wParam, lParam);
    case WM_SYSTIMER: SendMessageA(frame, WM_SYSTIMER, wParam, lParam); break;
    case WM_MOUSEMOVE:
        if (SendMessageA(frame, LCN_MOUSEMOVE, wParam, lParam) == 0)
            return 0;
        break;
    case WM_LBUTTONDOWN: SendMessageA(frame, LCN_LBUTTONDOWN, wParam, lParam); break;
    case WM_LBUTTONUP: SendMessageA(frame, LCN_LBUTTONUP, wParam, lParam); break;
    case WM_RBUTTONDOWN: SendMessageA(frame, LCN_RBUTTONDOWN, wParam, lParam); break;
    case WM_SETFOCUS: m_r.m_state |= CListRecord::StateFocused; break;
    case WM_KILLFOCUS:
        if (reinterpret_cast<HWND>(wParam) != frame)
            m_r.m_state &= ~CListRecord::StateFocused;
        break;
    }
    return CallWindowProcA(m_r.m_childProc, child, message, wParam, lParam);
}
