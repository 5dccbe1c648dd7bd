#include "framework/Wnd.h"

#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <unordered_map>

#include "framework/AfxMessageBox.h"
#include "framework/DC.h"
#include "framework/DataExchange.h"
#include "framework/Exception.h"
#include "framework/Font.h"
#include "framework/FrameWnd.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace {

// One thread runs the program, so the maps and the hook state are plain globals.
std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

std::unordered_map<HWND, std::unique_ptr<CWnd>>& TempMap()
{
    static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

CWnd* g_pWndInit = nullptr;
HHOOK g_hCreationHook = nullptr;
MSG g_currentMsg = {};
LRESULT g_commandResult = 0;

}  // namespace

CWnd* AfxWndFromHandle(HWND hWnd)
{
    return CWnd::FromHandle(hWnd);
}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        PermanentMap().erase(m_hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto it = PermanentMap().find(hWnd);
    return it != PermanentMap().end() ? it->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    std::unique_ptr<CWnd>& temp = TempMap()[hWnd];
    if (!temp)
    {
        temp = std::make_unique<CWnd>();
        temp->m_hWnd = hWnd;
    }
    return temp.get();
}

void CWnd::DeleteTempMap()
{
    for (auto& entry : TempMap())
        entry.second->m_hWnd = nullptr;  // borrowed: never destroy the window
    TempMap().clear();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    PermanentMap()[hWndNew] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && FromHandlePermanent(hWnd) == this)
        PermanentMap().erase(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    auto pfnOld = reinterpret_cast<WindowProcPtr>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StandardWndProc)));
    if (pfnOld != &StandardWndProc)
        m_pfnSuper = pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hControl != nullptr && SubclassWindow(hControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::HookWindowCreate(CWnd* pWnd)
{
    if (g_hCreationHook == nullptr)
        g_hCreationHook = ::SetWindowsHookExA(WH_CBT, &CreationHookProc, nullptr, ::GetCurrentThreadId());
    g_pWndInit = pWnd;
}

BOOL CWnd::UnhookWindowCreate()
{
    const BOOL bAttached = g_pWndInit == nullptr;
    g_pWndInit = nullptr;
    return bAttached;
}

LRESULT CALLBACK CWnd::CreationHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && g_pWndInit != nullptr)
    {
        CWnd* pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(g_hCreationHook, nCode, wParam, lParam);
}

LRESULT CALLBACK CWnd::StandardWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return pWnd->CallWindowProcSafely(message, wParam, lParam);
}

LRESULT CWnd::CallWindowProcSafely(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG saved = g_currentMsg;
    g_currentMsg = MSG{m_hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result = 0;
    // No exception may cross the window procedure into the system.
    try
    {
        result = WindowProc(message, wParam, lParam);
    }
    catch (CException* e)
    {
        e->ReportError();
        e->Delete();
    }
    catch (...)
    {
        AfxMessageBox("An unexpected error occurred.", MB_ICONSTOP);
    }
    g_currentMsg = saved;
    if (message == WM_NCDESTROY)
        AfterNcDestroy();
    return result;
}

void CWnd::AfterNcDestroy()
{
    if (AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd == this)
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    UnsubclassWindow();
    PostNcDestroy();
}

void CWnd::PostNcDestroy() {}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, void* lpParam)
{
    CREATESTRUCTA cs = {};
    cs.lpCreateParams = lpParam;
    cs.hInstance = AfxGetInstanceHandle();
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID));
    cs.hwndParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    cs.cy = rect.bottom - rect.top;
    cs.cx = rect.right - rect.left;
    cs.y = rect.top;
    cs.x = rect.left;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    cs.dwExStyle = dwExStyle;
    return CreateFromStruct(cs);
}

BOOL CWnd::CreateFromStruct(CREATESTRUCTA& cs)
{
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW));
    HookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    UnhookWindowCreate();
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA&)
{
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
    {
        g_commandResult = 0;
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = g_commandResult;
        return TRUE;
    }
    if (message == WM_NOTIFY)
        return OnNotify(lParam, pResult);
    // Every WM_CTLCOLORxxx goes to the one entry, with the kind of control as nID.
    UINT nLookup = message;
    UINT nCtlColor = 0;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        nLookup = CMessageMap::kCtlColor;
        nCtlColor = message - WM_CTLCOLORMSGBOX;
    }
    if (const CMessageMap::Entry* pEntry = FindMessageEntry(nLookup, 0))
    {
        const CMessageMap::Args args = {message, wParam, lParam, nCtlColor, nullptr};
        *pResult = pEntry->pfn(this, args);
        return TRUE;
    }
    return ReflectToChild(message, wParam, lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    HWND hControl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    // The program sends commands with values of its own in lParam; only a
    // real window there makes it a control notification.
    if (hControl == nullptr || !::IsWindow(hControl))
    {
        nCode = CMessageMap::kCodeCommand;
    }
    else
    {
        CWnd* pChild = FromHandlePermanent(hControl);
        LRESULT result = 0;
        if (pChild != nullptr && pChild != this && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, &result))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    Call call = {nID, nCode, lParam, nullptr, FALSE, 0};
    const BOOL bHandled = OnCmdMsg(call);
    g_commandResult = call.lResult;
    return bHandled;
}

BOOL CWnd::OnNotify(LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    const UINT nID = static_cast<UINT>(pHeader->idFrom);
    const CMessageMap::Entry* pEntry = FindNotifyEntry(nID, static_cast<int>(pHeader->code));
    if (pEntry == nullptr)
        return FALSE;
    const CMessageMap::Args args = {WM_NOTIFY, static_cast<WPARAM>(nID), lParam, nID, nullptr};
    *pResult = pEntry->pfn(this, args);
    return TRUE;
}

BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    HWND hChild = nullptr;
    switch (message)
    {
    case WM_DRAWITEM:
    {
        auto* pDraw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (pDraw->CtlType == ODT_MENU)
        {
            *pResult = TRUE;
            return CMenu::DrawOwnerDrawItem(pDraw);
        }
        hChild = pDraw->hwndItem;
        break;
    }
    case WM_MEASUREITEM:
    {
        auto* pMeasure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (pMeasure->CtlType == ODT_MENU)
        {
            *pResult = TRUE;
            return CMenu::MeasureOwnerDrawItem(pMeasure);
        }
        hChild = ::GetDlgItem(m_hWnd, static_cast<int>(pMeasure->CtlID));
        break;
    }
    case WM_COMPAREITEM: hChild = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem; break;
    case WM_DELETEITEM: hChild = reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem; break;
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: hChild = reinterpret_cast<HWND>(lParam); break;
    default: return FALSE;
    }
    CWnd* pChild = FromHandlePermanent(hChild);
    if (pChild == nullptr || pChild == this)
        return FALSE;
    return pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const int nCode = message == WM_COMMAND ? HIWORD(wParam) : 0;
    const CMessageMap::Entry* pEntry = FindMessageEntry(CMessageMap::kReflected + message, nCode);
    if (pEntry == nullptr)
        return FALSE;
    const CMessageMap::Args args = {message, wParam, lParam, 0, nullptr};
    *pResult = pEntry->pfn(this, args);
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_currentMsg.message, g_currentMsg.wParam, g_currentMsg.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

namespace {

BOOL CALLBACK SendToChild(HWND hChild, LPARAM lParamMsg)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParamMsg);
    ::SendMessageA(hChild, pMsg->message, pMsg->wParam, pMsg->lParam);
    return TRUE;
}

}  // namespace

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg = {nullptr, message, wParam, lParam, 0, {0, 0}};
    ::EnumChildWindows(m_hWnd, &SendToChild, reinterpret_cast<LPARAM>(&msg));
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

CWnd* CWnd::GetActiveWindow()
{
    return FromHandle(::GetActiveWindow());
}

CWnd* CWnd::GetCapture()
{
    return FromHandle(::GetCapture());
}

CWnd* CWnd::WindowFromPoint(POINT point)
{
    return FromHandle(::WindowFromPoint(point));
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD dwStyle = GetStyle();
    const DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwNewStyle));
    if (nFlags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, nFlags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetOwner() const
{
    return FromHandle(::GetWindow(m_hWnd, GW_OWNER));
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    CFrameWnd* pFrame =
        IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this)) : GetParentFrame();
    while (pFrame != nullptr && pFrame->GetParentFrame() != nullptr)
        pFrame = pFrame->GetParentFrame();
    return pFrame;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect) const
{
    const DWORD dwStyle = GetStyle();
    const BOOL bMenu = (dwStyle & WS_CHILD) == 0 && ::GetMenu(m_hWnd) != nullptr;
    ::AdjustWindowRectEx(lpClientRect, dwStyle, bMenu, GetExStyle());
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    HWND hAfter = pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr;
    return ::SetWindowPos(m_hWnd, hAfter, x, y, cx, cy, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    const BOOL bChild = (GetStyle() & WS_CHILD) != 0;
    HWND hOver = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd
                                            : (bChild ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER));
    CRect over;
    if (hOver != nullptr)
        ::GetWindowRect(hOver, &over);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &over, 0);
    CRect window;
    GetWindowRect(&window);
    POINT topLeft = {over.left + (over.Width() - window.Width()) / 2, over.top + (over.Height() - window.Height()) / 2};
    if (bChild)
        ::ScreenToClient(::GetParent(m_hWnd), &topLeft);
    SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::SetActiveWindow()
{
    return FromHandle(::SetActiveWindow(m_hWnd));
}

void CWnd::BringWindowToTop()
{
    ::BringWindowToTop(m_hWnd);
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

void CWnd::SetWindowText(LPCSTR lpszString)
{
    ::SetWindowTextA(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const
{
    const int nLength = GetWindowTextLength();
    const int nCopied = ::GetWindowTextA(m_hWnd, rString.GetBuffer(nLength), nLength + 1);
    rString.ReleaseBuffer(nCopied);
}

int CWnd::GetWindowTextLength() const
{
    return ::GetWindowTextLengthA(m_hWnd);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->m_hObject : nullptr), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

void CWnd::SetDlgItemText(int nID, LPCSTR lpszString)
{
    ::SetDlgItemTextA(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hItem = ::GetDlgItem(m_hWnd, nID);
    if (hItem != nullptr)
        FromHandle(hItem)->GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl != nullptr ? pWndCtl->m_hWnd : nullptr, bPrevious));
}

void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::ValidateRect(LPCRECT lpRect)
{
    ::ValidateRect(m_hWnd, lpRect);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, nullptr,
                          flags != 0 ? flags : RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}

CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC)
{
    return ::ReleaseDC(m_hWnd, pDC->m_hDC);
}

CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
    return ::SetMenu(m_hWnd, pMenu != nullptr ? pMenu->m_hMenu : nullptr);
}

void CWnd::DrawMenuBar()
{
    ::DrawMenuBar(m_hWnd);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, nullptr);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}

int CWnd::GetScrollPos(int nBar) const
{
    return ::GetScrollPos(m_hWnd, nBar);
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    ::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return AfxShowMessageBox(m_hWnd, lpszText, lpszCaption, nType);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
    }
    catch (const CDataExchange::Failure&)
    {
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

int CWnd::OnCreate(CREATESTRUCTA*)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CWnd*)
{
    LRESULT result = 0;
    if (!ReflectToChild(WM_VSCROLL, g_currentMsg.wParam, g_currentMsg.lParam, &result))
        Default();
}

void CWnd::OnHScroll(UINT, UINT, CWnd*)
{
    LRESULT result = 0;
    if (!ReflectToChild(WM_HSCROLL, g_currentMsg.wParam, g_currentMsg.lParam, &result))
        Default();
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    LRESULT result = 0;
    if (ReflectToChild(g_currentMsg.message, g_currentMsg.wParam, g_currentMsg.lParam, &result))
        return reinterpret_cast<HBRUSH>(result);
    // Dialogs and forms (both of the dialog class) take the application's dialog colours.
    char className[8] = "";
    ::GetClassNameA(m_hWnd, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && AfxGetApp() != nullptr)
    {
        if (HBRUSH hBrush = AfxGetApp()->GetDialogCtlColor(pDC->m_hDC, pWnd->m_hWnd, nCtlColor))
            return hBrush;
    }
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

BOOL CWnd::OnQueryEndSession()
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnWinIniChange(LPCSTR)
{
    Default();
}

void CWnd::OnInitMenu(CMenu*)
{
    Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnDrawItem(int, DRAWITEMSTRUCT*)
{
    LRESULT result = 0;
    if (!ReflectToChild(WM_DRAWITEM, g_currentMsg.wParam, g_currentMsg.lParam, &result))
        Default();
}

void CWnd::OnMeasureItem(int, MEASUREITEMSTRUCT*)
{
    LRESULT result = 0;
    if (!ReflectToChild(WM_MEASUREITEM, g_currentMsg.wParam, g_currentMsg.lParam, &result))
        Default();
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::set<std::string> s_names;
    char name[96];
    wsprintfA(name, "SvmWnd:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
              static_cast<void*>(hIcon));
    auto inserted = s_names.insert(name);
    if (inserted.second)
    {
        WNDCLASSA wc = {};
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = inserted.first->c_str();
        ::RegisterClassA(&wc);
    }
    return inserted.first->c_str();
}
