#pragma once

#include <windows.h>

#include "framework/WinApp.h"

// Runs the window messages that are waiting, as the application's loop
// would (PreTranslateMessage first), then the idle clean-up. A quit message
// left by a destroyed main window is dropped.
inline void PumpWindowMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
            continue;
        if (AfxGetApp() == nullptr || !AfxGetApp()->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    if (AfxGetApp() != nullptr)
        AfxGetApp()->OnIdle(0);
}
