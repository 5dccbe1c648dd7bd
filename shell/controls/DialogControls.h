#pragma once

#include <windef.h>

class CBitmapButton;
class CComboBox;
class CDC;
class CMapStringToPtr;
class CObList;
class CString;
class CWnd;

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
// The screen's bits per pixel times its planes, or the depth forced for a test.
int GetScreenColourBits();
// nBits 0 gives the screen's own depth back.
void ForceScreenColourBits(int nBits);

// Makes dialog item nId of pParent a bitmap button with the named pictures, sized to them.
// FALSE when the item or its raised picture is missing.
BOOL AttachBitmapButton(CBitmapButton& button, CWnd* pParent, UINT nId, LPCSTR lpszUp, LPCSTR lpszDown,
                        LPCSTR lpszFocus, LPCSTR lpszGreyed);
// One combo entry per list item (a CListItem): its name, with the item as the entry's data;
// with a map, each item is also entered under its record id.
// The form and the static texts on it take the form's background brush (texts drawn
// transparently); null for any other control, which keeps the default colours.
HBRUSH FormBackgroundBrush(CDC* pDC, const CWnd* pWnd, const CWnd* pForm, UINT nCtlColor, HBRUSH hBackground);
void FillComboFromList(CComboBox& combo, const CObList& items, CMapStringToPtr* pIdMap = nullptr);
