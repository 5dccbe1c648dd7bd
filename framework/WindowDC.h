#pragma once

#include "framework/DC.h"

class CWnd;

// The whole-window DC (GetWindowDC / ReleaseDC) for the object's life.
class CWindowDC : public CDC
{
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

private:
    HWND m_hWnd;
};
