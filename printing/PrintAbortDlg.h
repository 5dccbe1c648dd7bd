#pragma once

#include <windef.h>

// The "Printing ..." box with its Cancel button: one per program, modeless over the main
// window while a document prints. Cancel re-enables the main window and closes the box; the
// printer's abort procedure pumps the box's messages between bands and pages.
class CPrintAbortDlg
{
public:
    static void Create(HWND hParent, const char* pszDocumentName);
    static HWND GetHandle() { return s_hDlg; }
    static HWND GetCancelButton();
    static bool IsCancelled() { return s_cancelled; }
    static void ClearCancel() { s_cancelled = false; }
    // As the Cancel button: the flag set, the parent enabled again, the box gone.
    static void Cancel();
    // The parent enabled again and the box gone, when it still exists.
    static void Close();
    static BOOL CALLBACK AbortProc(HDC hDC, int nError);

private:
    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT nMessage, WPARAM wParam, LPARAM lParam);
    static void ShowPrinting(HWND hDlg, const char* pszText);

    static HWND s_hDlg;
    static HWND s_hParent;
    static bool s_cancelled;
};
