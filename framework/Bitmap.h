#pragma once

#include "framework/GdiObject.h"

class CDC;
struct tagBITMAP;

class CBitmap : public CGdiObject
{
    DECLARE_DYNAMIC(CBitmap)
public:
    static CBitmap* FromHandle(HBITMAP hBitmap) { return TempFromHandle<CBitmap>(hBitmap); }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    // A bitmap resource of the program, by name or number.
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(tagBITMAP* pBitmap) const;
};
