#pragma once

#include "framework/Bitmap.h"
#include "framework/Button.h"

// An owner-drawn button (BS_OWNERDRAW) shown as one of up to four bitmap
// resources, named by the caller: raised, pressed, focused and greyed.
// Missing pressed, focused or greyed pictures fall back to the raised one.
class CBitmapButton : public CButton
{
    DECLARE_DYNAMIC(CBitmapButton)
public:
    // FALSE when the raised picture cannot be loaded.
    BOOL LoadBitmaps(LPCSTR lpszBitmapResource, LPCSTR lpszBitmapResourceSel = nullptr,
                     LPCSTR lpszBitmapResourceFocus = nullptr, LPCSTR lpszBitmapResourceDisabled = nullptr);
    // Resizes the button to its raised picture.
    void SizeToContent();
    void DrawItem(tagDRAWITEMSTRUCT* lpDrawItemStruct) override;

protected:
    // The picture for an owner-draw state (ODS_ flags).
    CBitmap* PictureFor(UINT nState);

    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
};
