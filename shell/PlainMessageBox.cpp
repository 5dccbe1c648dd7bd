#include "shell/PlainMessageBox.h"

#include <windows.h>

namespace
{
ShellMessageBoxHandler s_pfnHandler = nullptr;
}

int ShowShellMessageBox(HWND hOwner, LPCSTR pszText, LPCSTR pszCaption, UINT nStyle)
{
    if (s_pfnHandler)
        return s_pfnHandler(hOwner, pszText, pszCaption, nStyle);
    return ::MessageBoxA(hOwner, pszText, pszCaption, nStyle);
}

ShellMessageBoxHandler SetShellMessageBoxHandler(ShellMessageBoxHandler pfnHandler)
{
    const ShellMessageBoxHandler pfnPrevious = s_pfnHandler;
    s_pfnHandler = pfnHandler;
    return pfnPrevious;
}

void ShowInfoMessage(LPCSTR pszCaption, LPCSTR pszText)
{
    ShowShellMessageBox(nullptr, pszText, pszCaption, MB_ICONINFORMATION | MB_SYSTEMMODAL);
}

void ShowPlainErrorBox(LPCSTR pszText)
{
    ShowShellMessageBox(nullptr, pszText, "Error", MB_ICONEXCLAMATION);
}

void PlayWarningBeep()
{
    ::MessageBeep(MB_ICONEXCLAMATION);
}
