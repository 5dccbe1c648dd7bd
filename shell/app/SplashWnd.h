#pragma once

#include "framework/Bitmap.h"
#include "framework/Wnd.h"

// The start-up picture, centred on the screen and on top; it goes by itself after five
// seconds or at a click. The application deletes the object.
class CSplashWnd : public CWnd
{
public:
    // Loads the picture and creates the window.
    CSplashWnd(LPCSTR lpszClassName, LPCSTR lpszTitle, DWORD dwStyle);
    // Loads the picture only.
    CSplashWnd();

    // The rectangle, parent, id and context are not used: the picture decides the place.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect = RECT{},
                CWnd* pParentWnd = nullptr, UINT nID = 0, void* pContext = nullptr) override;
    BOOL DestroyWindow() override;

protected:
    DECLARE_MESSAGE_MAP()
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);

private:
    CBitmap m_picture;
};
