#pragma once

#include <memory>

#include "framework/String.h"
#include "framework/Wnd.h"

class CDibImage;

// A child window that paints the picture file its window text names (a photo or a .bmp file,
// through CDibImage) and passes mouse clicks on to its parent, in the parent's coordinates.
class CPictureWnd : public CWnd
{
public:
    // bVisible: shown at once; otherwise hidden until its owner shows it.
    CPictureWnd(CWnd* pParent, const RECT& rect, BOOL bVisible);
    ~CPictureWnd() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    DECLARE_MESSAGE_MAP()
    void OnPaint();

private:
    void LoadNamedPicture();
    void PassToParent(UINT message, WPARAM wParam, LPARAM lParam);

    // The picture is read when the text names another file, not on every paint: a damaged
    // file is reported once.
    CString m_loadedName;
    std::unique_ptr<CDibImage> m_picture;
};
