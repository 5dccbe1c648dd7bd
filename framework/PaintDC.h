#pragma once

#include "framework/DC.h"

class CWnd;

// BeginPaint / EndPaint for the length of the object's life.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    struct Paint
    {
        HDC hdc;
        BOOL fErase;
        RECT rcPaint;
        BOOL fRestore;
        BOOL fIncUpdate;
        BYTE rgbReserved[32];
    };
    Paint m_ps;  // laid out as PAINTSTRUCT

private:
    HWND m_hWnd;
};
