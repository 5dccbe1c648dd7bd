#pragma once

#include <windef.h>

// The framework's message box: captioned with the product name (string 24851), owned by the
// active window. Every box of the framework and the layers below the shell goes through here,
// so that tests (and the shell) can answer it instead of a user.
int AfxMessageBox(LPCSTR lpszText, UINT nType = 0, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = 0, UINT nIDHelp = static_cast<UINT>(-1));

// The same service for boxes with an owner and caption of their own (null caption: the
// product name); CWnd::MessageBox and the shell's message boxes come through here.
int AfxShowMessageBox(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);

using AfxMessageBoxHandler = int (*)(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);
// Installs a handler in place of MessageBoxA (null restores it); returns the previous one.
AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler pfnHandler);
