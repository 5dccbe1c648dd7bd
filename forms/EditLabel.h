#pragma once

#include "framework/Wnd.h"

class CFont;

// The caption of a painted edit, drawn in green in a small Arial at its top left.
class CEditLabel : public CWnd
{
public:
    BOOL Create(CWnd* pEdit, LPCSTR lpszText);
    static CFont& SharedFont();

protected:
    DECLARE_MESSAGE_MAP()
    void OnPaint();
};
