#include "printing/PrintAbortDlg.h"

#include <windows.h>

#include "framework/String.h"
#include "framework/WinApp.h"
#include "res/resource.h"

HWND CPrintAbortDlg::s_hDlg = nullptr;
HWND CPrintAbortDlg::s_hParent = nullptr;
bool CPrintAbortDlg::s_cancelled = false;

void CPrintAbortDlg::Create(HWND hParent, const char* pszDocumentName)
{
    s_hParent = hParent;
    s_hDlg = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDD_PRINT_ABORT), hParent, DialogProc,
                                  reinterpret_cast<LPARAM>(pszDocumentName));
    if (hParent != nullptr)
        ::EnableWindow(hParent, FALSE);
}

HWND CPrintAbortDlg::GetCancelButton()
{
    return s_hDlg != nullptr ? ::GetDlgItem(s_hDlg, IDCANCEL) : nullptr;
}

void CPrintAbortDlg::Cancel()
{
    s_cancelled = true;
    Close();
}

void CPrintAbortDlg::Close()
{
    if (s_hParent != nullptr)
        ::EnableWindow(s_hParent, TRUE);
    if (s_hDlg != nullptr)
        ::DestroyWindow(s_hDlg);
    s_hDlg = nullptr;
    s_hParent = nullptr;
}

void CPrintAbortDlg::ShowPrinting(HWND hDlg, const char* pszText)
{
    CString text;
    text.LoadString(IDS_PRINTING);
    text += pszText != nullptr ? pszText : "";
    ::SetDlgItemTextA(hDlg, IDC_PRINT_ABORT_TEXT, text);
}

INT_PTR CALLBACK CPrintAbortDlg::DialogProc(HWND hDlg, UINT nMessage, WPARAM /*wParam*/, LPARAM lParam)
{
    switch (nMessage)
    {
    case WM_INITDIALOG: ShowPrinting(hDlg, reinterpret_cast<const char*>(lParam)); return TRUE;
    case WM_SETTEXT:
        // The drivers name the recipe or meal plan being printed.
        ShowPrinting(hDlg, reinterpret_cast<const char*>(lParam));
        ::SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_COMMAND: Cancel(); return TRUE;
    default: return FALSE;
    }
}

BOOL CALLBACK CPrintAbortDlg::AbortProc(HDC /*hDC*/, int /*nError*/)
{
    MSG message;
    while (!s_cancelled && ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
    {
        if (s_hDlg != nullptr && ::IsDialogMessageA(s_hDlg, &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return !s_cancelled;
}
