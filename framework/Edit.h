#pragma once

#include "framework/Wnd.h"

// An edit control.
class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void LimitText(int nChars = 0);
    void GetSel(int& nStartChar, int& nEndChar) const;
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    int GetLineCount() const;
    int LineIndex(int nLine = -1) const;
    int LineLength(int nCharIndex = -1) const;
    int LineFromChar(int nIndex = -1) const;
    int GetFirstVisibleLine() const;
    void LineScroll(int nLines, int nChars = 0);
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    void Cut();
    void Copy();
    void Paste();
    void Clear();
    BOOL Undo();
};
