#include "forms/PaintedEdit.h"

#include <windows.h>

#include "framework/Font.h"
#include "framework/MessageMap.h"

BEGIN_MESSAGE_MAP(CPaintedEdit, CEdit)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CPaintedEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, LPCSTR lpszLabel)
{
    m_label = lpszLabel;
    return CEdit::Create(dwStyle, rect, pParentWnd, nID) && m_labelWnd.Create(this, m_label);
}

// The text starts below the label, so the label never hides it.
void CPaintedEdit::OnPaint()
{
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ oldFont = ::SelectObject(hDC, CEditLabel::SharedFont().m_hObject);
    SIZE label{};
    ::GetTextExtentPoint32A(hDC, m_label, m_label.GetLength(), &label);
    ::SelectObject(hDC, oldFont);
    ::ReleaseDC(m_hWnd, hDC);
    if (label.cy < client.bottom)
    {
        RECT format;
        SendMessage(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const int top = client.top + label.cy / 2;
        if (format.top != top)
        {
            format.top = top;
            SendMessage(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
        }
    }
    Default();
}
