#pragma once

#include "forms/EditLabel.h"
#include "framework/Edit.h"
#include "framework/String.h"

// An edit control captioned with its label inside its border, above its text.
class CPaintedEdit : public CEdit
{
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, LPCSTR lpszLabel);

protected:
    DECLARE_MESSAGE_MAP()
    void OnPaint();

private:
    CString m_label;
    CEditLabel m_labelWnd;
};
