#pragma once

#include "framework/DC.h"

class CWnd;

// The client-area DC of a window (GetDC / ReleaseDC) for the object's life.
class CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};
