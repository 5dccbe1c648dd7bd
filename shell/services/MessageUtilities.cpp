#include "shell/services/MessageUtilities.h"

#include <windows.h>

#include "framework/String.h"
#include "shell/services/PlainMessageBox.h"
#include "shell/services/WaitCursor.h"

int MessageBoxById(HWND hWnd, LPCSTR lpszArgument, UINT nId, UINT nStyle)
{
    CString caption;
    caption.LoadString(24851);
    CString text;
    text.LoadString(nId);
    if (lpszArgument != nullptr && *lpszArgument != '\0')
    {
        const CString format = text;
        text.Format(format, lpszArgument);
    }
    return ShowShellMessageBox(hWnd != nullptr ? hWnd : GetActiveWindow(), text, caption.Left(16), nStyle);
}

void PumpWaitingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void StartWaitCursor()
{
    SetWaitCursor(1);
}

void StopWaitCursor()
{
    SetWaitCursor(0);
}
