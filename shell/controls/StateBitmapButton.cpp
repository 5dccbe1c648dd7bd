#include "shell/controls/StateBitmapButton.h"

#include <windows.h>

void CStateBitmapButton::SetBitmaps(LPCSTR b1, LPCSTR b2, LPCSTR b3, LPCSTR b4)
{
    m_bitmaps[0] = b1;
    m_bitmaps[1] = b2;
    m_bitmaps[2] = b3;
    m_bitmaps[3] = b4;
    m_shown = b1;
    LoadBitmaps(m_shown);
}

BOOL CStateBitmapButton::Attach(CWnd* pDialog, UINT nID)
{
    if (!SubclassDlgItem(nID, pDialog))
        return FALSE;
    SizeToContent();
    Invalidate();
    UpdateWindow();
    return TRUE;
}

void CStateBitmapButton::SetFirstState(BOOL bOn)
{
    m_firstState = bOn;
    ShowForState();
}

void CStateBitmapButton::SetSecondState(BOOL bOn)
{
    m_secondState = bOn;
    ShowForState();
}

void CStateBitmapButton::ShowForState()
{
    static const int pictureFor[2][2] = {{2, 0}, {3, 1}};
    m_shown = m_bitmaps[pictureFor[m_firstState ? 1 : 0][m_secondState ? 1 : 0]];
    LoadBitmaps(m_shown);
    if (m_hWnd)
    {
        Invalidate();
        UpdateWindow();
    }
}
