#include "shell/controls/IconButton.h"

#include <windows.h>

CIconButton::CIconButton(const CControlFontSpec& font, LPCSTR lpszPicture, LPCSTR lpszText)
    : m_painter(font, lpszPicture, lpszText)
{
}

void CIconButton::SetPicture(LPCSTR lpszName)
{
    m_painter.SetPicture(lpszName);
    if (m_hWnd)
    {
        Invalidate();
        UpdateWindow();
    }
}

void CIconButton::SetPictureLayout(WORD layout)
{
    m_painter.m_layout = layout;
}

void CIconButton::DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct)
{
    m_painter.Draw(lpDrawItemStruct, CItemPainter::Everything);
}
