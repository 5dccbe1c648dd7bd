#include "shell/services/PlainMessageBox.h"

#include <windows.h>

#include "framework/AfxMessageBox.h"

int ShowShellMessageBox(HWND hOwner, LPCSTR pszText, LPCSTR pszCaption, UINT nStyle)
{
    return AfxShowMessageBox(hOwner, pszText, pszCaption, nStyle);
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
