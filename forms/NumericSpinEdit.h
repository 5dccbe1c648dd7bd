#pragma once

#include "framework/Edit.h"

struct tagNMHDR;

// An edit control that takes only the chosen classes of characters and steps its whole number
// up and down, within a range, when the up-down control beside it is clicked. The up-down
// reports to the dialog, not to the edit: the dialog hands its clicks on with SpinFromUpDown.
class CNumericSpinEdit : public CEdit
{
public:
    // Character classes of the mask; control characters always pass.
    enum : UINT
    {
        kDigits = 1,
        kLetters = 2,
        kOtherPrintable = 4,
    };

    // The low 16 bits of the style are the mask; the window gets only the high 16 bits.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // FALSE when the parent has no item nID.
    BOOL Attach(UINT nID, CWnd* pParent, UINT nMask);
    void SetRange(int nMinimum, int nMaximum);
    // A UDN_DELTAPOS of the up-down: steps the edit instead and answers the up-down so that
    // its own position (and any buddy arithmetic) stays put.
    void SpinFromUpDown(const tagNMHDR* pHeader, LRESULT* pResult);

    static UINT CharacterClass(UINT nChar);

protected:
    DECLARE_MESSAGE_MAP()
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);

    // Tells the parent (WM_COMMAND, lParam the handle with the top bit set); beeps unless the
    // parent answers -1.
    virtual void OnBadInput();
    virtual void Beep();

private:
    void Step(int nDelta);

    UINT m_nMask = kDigits | kLetters | kOtherPrintable;
    int m_nMinimum = 0;
    int m_nMaximum = 32767;
};
