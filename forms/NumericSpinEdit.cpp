#include "forms/NumericSpinEdit.h"

#include <windows.h>
#include <commctrl.h>

BEGIN_MESSAGE_MAP(CNumericSpinEdit, CEdit)
    ON_WM_CHAR()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

BOOL CNumericSpinEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_nMask = LOWORD(dwStyle);
    return CEdit::Create(dwStyle & 0xFFFF0000u, rect, pParentWnd, nID);
}

BOOL CNumericSpinEdit::Attach(UINT nID, CWnd* pParent, UINT nMask)
{
    if (pParent->GetDlgItem(static_cast<int>(nID)) == nullptr)
        return FALSE;
    m_nMask = nMask;
    return SubclassDlgItem(nID, pParent);
}

void CNumericSpinEdit::SetRange(int nMinimum, int nMaximum)
{
    m_nMinimum = nMinimum;
    m_nMaximum = nMaximum;
}

UINT CNumericSpinEdit::CharacterClass(UINT nChar)
{
    if (nChar < 32)
        return kDigits | kLetters | kOtherPrintable;
    if (nChar >= '0' && nChar <= '9')
        return kDigits;
    if ((nChar >= 'A' && nChar <= 'Z') || (nChar >= 'a' && nChar <= 'z'))
        return kLetters;
    return kOtherPrintable;
}

void CNumericSpinEdit::OnChar(UINT nChar, UINT, UINT)
{
    if ((CharacterClass(nChar) & m_nMask) != 0)
        Default();
    else
        OnBadInput();
}

void CNumericSpinEdit::OnVScroll(UINT nSBCode, UINT, CWnd*)
{
    if (nSBCode == SB_LINEUP)
        Step(1);
    else if (nSBCode == SB_LINEDOWN)
        Step(-1);
}

// The sign of the up-down's delta follows its range, which is reversed by default.
void CNumericSpinEdit::SpinFromUpDown(const NMHDR* pHeader, LRESULT* pResult)
{
    const auto* pUpDown = reinterpret_cast<const NMUPDOWN*>(pHeader);
    int nLower = 0;
    int nUpper = 0;
    ::SendMessageA(pHeader->hwndFrom, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower),
                   reinterpret_cast<LPARAM>(&nUpper));
    const BOOL bUp = (pUpDown->iDelta > 0) == (nLower <= nUpper);
    SendMessage(WM_VSCROLL, MAKEWPARAM(bUp ? SB_LINEUP : SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(pHeader->hwndFrom));
    *pResult = TRUE;
}

void CNumericSpinEdit::Step(int nDelta)
{
    SetFocus();
    BOOL bNumber = FALSE;
    CWnd* pParent = GetParent();
    const int nValue = static_cast<int>(pParent->GetDlgItemInt(GetDlgCtrlID(), &bNumber, TRUE)) + nDelta;
    if (bNumber && nValue >= m_nMinimum && nValue <= m_nMaximum)
        pParent->SetDlgItemInt(GetDlgCtrlID(), static_cast<UINT>(nValue), TRUE);
    else
        OnBadInput();
    SetSel(0, -1);
}

void CNumericSpinEdit::OnBadInput()
{
    const LPARAM lParam = static_cast<LPARAM>(reinterpret_cast<UINT_PTR>(m_hWnd) | 0x80000000u);
    if (GetParent()->SendMessage(WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID()), lParam) != -1)
        Beep();
}

void CNumericSpinEdit::Beep()
{
    ::MessageBeep(MB_ICONASTERISK);
}
