#pragma once

#include "framework/Point.h"
#include "framework/String.h"
#include "framework/Wnd.h"
#include "shell/graphics/DibImage.h"

// A hidden child window that paints one picture file scaled to its client area. A right click
// always reaches the parent; a left-button release only when clicks are forwarded. Both arrive
// in the parent's client coordinates, as the forms hit-test them.
class CPictureWnd : public CWnd
{
public:
    CPictureWnd(CWnd* pParent, const RECT& rect, BOOL bForwardClicks);

    // The owner then shows and repaints the window.
    void SetPictureFile(LPCSTR lpszName) { m_fileName = lpszName; }
    const CString& GetPictureFile() const { return m_fileName; }

protected:
    DECLARE_MESSAGE_MAP()
    void OnPaint();
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);

private:
    void PassToParent(UINT message, UINT nFlags, CPoint point);

    CDibImage m_picture;
    CString m_fileName;
    // The picture is read only when another name is given, not on every paint: a damaged file
    // is reported once.
    CString m_loadedName;
    BOOL m_forwardClicks;
};
