#pragma once

#include <windef.h>

class CString;

// Blanks and numbers in the texts of quantities, units and times.

// In place; a null text comes back as it is.
char* TrimLeadingBlanks(char* text);
char* TrimTrailingBlanks(char* text);
BOOL IsBlank(LPCSTR text);
LPCSTR SkipBlanks(LPCSTR text);
// Past the number under the pointer ("0123456789.") and whatever follows up to the next digit;
// the end of the text when there is none.
LPCSTR NextNumberStart(LPCSTR text);
// "cup(s)": "cup" up to a quantity of 1, else "cups"; a marker of three or more letters
// replaces the word's ending from the letter before it ("berry(ies)": "berries").
void ApplyPluralParentheses(CString& word, double quantity);
// "h:mm", hours capped at 99; negative minutes count as 0.
void FormatMinutes(int minutes, CString& out);
