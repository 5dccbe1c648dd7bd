#pragma once

#include <windef.h>

class CWnd;

// Lists the file types named by the consecutive string-table entries from nFirstText in the
// dialog's type box and chooses the first; the box opens on the arrow keys.
void FillExchangeTypeCombo(CWnd& dialog, UINT nFirstText, int nCount);
