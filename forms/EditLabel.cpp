#include "forms/EditLabel.h"

#include <windows.h>

#include "framework/Font.h"
#include "framework/MessageMap.h"
#include "framework/Rect.h"

BEGIN_MESSAGE_MAP(CEditLabel, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {
const int kLabelLeft = 4;
const int kLabelTop = 1;
const int kLabelHeight = 14;
const int kFontHeight = 11;
const COLORREF kLabelInk = RGB(0, 128, 0);
}  // namespace

CFont& CEditLabel::SharedFont()
{
    static CFont font;
    if (font.m_hObject == nullptr)
    {
        LOGFONTA description{};
        description.lfHeight = kFontHeight;
        description.lfWeight = FW_NORMAL;
        lstrcpynA(description.lfFaceName, "Arial", LF_FACESIZE);
        font.CreateFontIndirect(&description);
    }
    return font;
}

BOOL CEditLabel::Create(CWnd* pEdit, LPCSTR lpszText)
{
    CRect client;
    ::GetClientRect(pEdit->m_hWnd, &client);
    const RECT area{kLabelLeft, kLabelTop, kLabelLeft + client.Width() - 2 * kLabelLeft, kLabelTop + kLabelHeight};
    return CWnd::Create(nullptr, lpszText, WS_CHILD | WS_VISIBLE, area, pEdit, 0);
}

void CEditLabel::OnPaint()
{
    PAINTSTRUCT paint;
    HDC hDC = ::BeginPaint(m_hWnd, &paint);
    char text[64] = "";
    ::GetWindowTextA(m_hWnd, text, sizeof text);
    HGDIOBJ oldFont = ::SelectObject(hDC, SharedFont().m_hObject);
    ::SetTextColor(hDC, kLabelInk);
    ::SetBkMode(hDC, TRANSPARENT);
    ::TextOutA(hDC, 0, 0, text, lstrlenA(text));
    ::SelectObject(hDC, oldFont);
    ::EndPaint(m_hWnd, &paint);
}
