#pragma once

#include <windef.h>

// A message box of string nId (formatted with the argument when there is one), captioned with
// the product name, over the window or the active one. Returns the box's result.
int MessageBoxById(HWND hWnd, LPCSTR lpszArgument, UINT nId, UINT nStyle);
// Dispatches every waiting message (long database and print loops call it).
void PumpWaitingMessages();
void StartWaitCursor();
void StopWaitCursor();
