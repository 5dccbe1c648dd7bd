#pragma once
// A top-level window standing in for a form: it holds placeholder controls made by the test and
// records the mouse clicks it gets.
#include <vector>

#include <windows.h>

#include "framework/Wnd.h"

class CTestForm : public CWnd
{
public:
    struct Click
    {
        UINT message;
        POINT point;
    };

    CTestForm() { CreateEx(0, nullptr, "Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 400, 300}, nullptr, 0); }

    HWND AddPlaceholder(int id, const RECT& rect)
    {
        return ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.right - rect.left,
                                 rect.bottom - rect.top, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ::GetModuleHandleA(nullptr), nullptr);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_LBUTTONDOWN && message <= WM_RBUTTONUP)
            clicks.push_back({message, POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}});
        return CWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<Click> clicks;
};
