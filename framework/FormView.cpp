#include "framework/FormView.h"

#include <windows.h>

#include "framework/DialogTemplate.h"
#include "framework/FrameWnd.h"
#include "framework/StandardIds.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

namespace {

// The form's window procedure does all the work; the dialog manager's own
// processing needs nothing more.
INT_PTR CALLBACK FormDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

}  // namespace

CFormView::CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext)
{
    CDialogTemplate dialog(m_nIDTemplate);
    if (dialog.IsEmpty())
        return FALSE;
    // Whatever the template says, a form is a borderless child of its frame.
    const DWORD kRemoved = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_BORDER | WS_VISIBLE | DS_MODALFRAME;
    dialog.SetStyle((dialog.GetStyle() & ~kRemoved) | WS_CHILD);
    HookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(AfxGetResourceHandle(), static_cast<LPCDLGTEMPLATEA>(dialog.GetData()),
                                             pParentWnd->m_hWnd, &FormDialogProc, 0);
    UnhookWindowCreate();
    if (hWnd == nullptr)
        return FALSE;
    CRect window;
    GetWindowRect(&window);
    m_sizeDesign = window.Size();
    ::SetWindowLongPtrA(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(nID));
    SetScrollSizes(MM_TEXT, m_sizeDesign);
    if (rect.right > rect.left && rect.bottom > rect.top)
        MoveWindow(&rect, FALSE);
    JoinFrameAndDocument(pContext);
    if ((dwStyle & WS_VISIBLE) != 0)
        ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    // Tab, arrows and mnemonics between the form's controls.
    return pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CFormView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CScrollView::OnCommand(wParam, lParam))
        return TRUE;
    const UINT nID = LOWORD(wParam);
    // 1: a key of the form's accelerator table.
    const bool bClickOrKey = HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == 1;
    if (!bClickOrKey || nID < kFirstCommandId || nID >= kFirstSystemCommandId)
        return FALSE;
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame == nullptr)
        return FALSE;
    Call call = {nID, CMessageMap::kCodeCommand, lParam, nullptr, FALSE, 0};
    return pFrame->OnCmdMsg(call);
}
