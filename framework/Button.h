#pragma once

#include "framework/Wnd.h"

// A button control. An owner-drawn button draws itself in DrawItem.
class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);

    virtual void DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
