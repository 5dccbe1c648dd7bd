#pragma once

#include <windef.h>

// The shell's boxes go through the framework's message box service, so that one hook
// (CMessageBoxScript in tests) answers every box of the program.
int ShowShellMessageBox(HWND hOwner, LPCSTR pszText, LPCSTR pszCaption, UINT nStyle);

// Boxes without an owner window, for code that has none at hand.
void ShowInfoMessage(LPCSTR pszCaption, LPCSTR pszText);
void ShowPlainErrorBox(LPCSTR pszText);
void PlayWarningBeep();
