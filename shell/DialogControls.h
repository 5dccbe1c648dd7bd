#pragma once

#include <windef.h>

class CString;

// Small routines on dialog controls.

// The item's text as a number; 0, with *pTranslated FALSE, when it does not read as one.
double GetDlgItemFloat(HWND hDialog, int nId, BOOL* pTranslated = nullptr);
// "%.2f" with a whole number shown as "12."; negative values and values over 1e12 show 0.
void SetDlgItemFloat(HWND hDialog, int nId, double value);
// Over the maximum: message 40 with the field's name, then the text is cut to the maximum.
void CheckFieldLength(HWND hEdit, int nMaximum, LPCSTR lpszFieldName, LPCSTR lpszMaximumText);
// Type-ahead of a combo box's edit text from its list; lastText is the text of the last call.
void CompleteComboText(HWND hCombo, CString& text, CString& lastText);
void ShowServingsLimitMessage();
// TRUE when the screen shows at least nColours colours.
BOOL HasEnoughColours(int nColours);
