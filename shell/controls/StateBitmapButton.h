#pragma once

#include "framework/BitmapButton.h"
#include "framework/String.h"

// A picture button whose picture shows two on/off states: four bitmaps, one per pair of flags.
class CStateBitmapButton : public CBitmapButton
{
public:
    // b1: first off, second on; b2: both on; b3: both off; b4: first on, second off.
    void SetBitmaps(LPCSTR b1, LPCSTR b2, LPCSTR b3, LPCSTR b4);
    BOOL Attach(CWnd* pDialog, UINT nID);
    void SetFirstState(BOOL bOn);
    void SetSecondState(BOOL bOn);

    const CString& GetShownBitmap() const { return m_shown; }

private:
    void ShowForState();

    BOOL m_firstState = FALSE;
    BOOL m_secondState = TRUE;
    CString m_bitmaps[4];
    CString m_shown;
};
