#include "framework/BitmapButton.h"

#include <windows.h>

#include "framework/DC.h"

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

BOOL CBitmapButton::LoadBitmaps(LPCSTR lpszBitmapResource, LPCSTR lpszBitmapResourceSel, LPCSTR lpszBitmapResourceFocus,
                                LPCSTR lpszBitmapResourceDisabled)
{
    struct
    {
        CBitmap& bitmap;
        LPCSTR lpszName;
    } pictures[] = {{m_bitmap, lpszBitmapResource},
                    {m_bitmapSel, lpszBitmapResourceSel},
                    {m_bitmapFocus, lpszBitmapResourceFocus},
                    {m_bitmapDisabled, lpszBitmapResourceDisabled}};
    for (auto& picture : pictures)
    {
        picture.bitmap.DeleteObject();
        if (picture.lpszName != nullptr)
            picture.bitmap.LoadBitmap(picture.lpszName);
    }
    return m_bitmap.m_hObject != nullptr;
}

void CBitmapButton::SizeToContent()
{
    BITMAP info = {};
    if (m_bitmap.GetBitmap(&info) == 0)
        return;
    SetWindowPos(nullptr, 0, 0, info.bmWidth, info.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CBitmap* CBitmapButton::PictureFor(UINT nState)
{
    CBitmap* pPicture = &m_bitmap;
    if ((nState & ODS_SELECTED) != 0 && m_bitmapSel.m_hObject != nullptr)
        pPicture = &m_bitmapSel;
    else if ((nState & ODS_FOCUS) != 0 && m_bitmapFocus.m_hObject != nullptr)
        pPicture = &m_bitmapFocus;
    else if ((nState & ODS_DISABLED) != 0 && m_bitmapDisabled.m_hObject != nullptr)
        pPicture = &m_bitmapDisabled;
    return pPicture;
}

void CBitmapButton::DrawItem(DRAWITEMSTRUCT* lpDrawItemStruct)
{
    CBitmap* pPicture = PictureFor(lpDrawItemStruct->itemState);
    if (pPicture->m_hObject == nullptr)
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(CDC::FromHandle(lpDrawItemStruct->hDC)))
        return;
    CBitmap* pOld = memory.SelectObject(pPicture);
    const RECT& rect = lpDrawItemStruct->rcItem;
    ::BitBlt(lpDrawItemStruct->hDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, memory.m_hDC,
             0, 0, SRCCOPY);
    memory.SelectObject(pOld);
}
