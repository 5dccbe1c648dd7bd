#pragma once
// The Lumbra window class: registered while the library is loaded, with the window
// procedure that owns each window's record and the gate that hands list-box messages on.

#include <windows.h>

class CListClass
{
public:
    static BOOL Register(HINSTANCE module);
    static void Unregister();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static bool GoesToChild(UINT message);

    static bool s_registered;
    static bool s_notNT;
    static HINSTANCE s_module;
};
