#pragma once

#include <windef.h>

// Every message box of the shell goes through ShowShellMessageBox, so that
// tests (and later the window layer) can answer it instead of a user.
using ShellMessageBoxHandler = int (*)(HWND hOwner, LPCSTR pszText, LPCSTR pszCaption, UINT nStyle);

int ShowShellMessageBox(HWND hOwner, LPCSTR pszText, LPCSTR pszCaption, UINT nStyle);
// Installs a handler in place of MessageBoxA (null restores it); returns the previous one.
ShellMessageBoxHandler SetShellMessageBoxHandler(ShellMessageBoxHandler pfnHandler);

// Boxes without an owner window, for code that has none at hand.
void ShowInfoMessage(LPCSTR pszCaption, LPCSTR pszText);
void ShowPlainErrorBox(LPCSTR pszText);
void PlayWarningBeep();
