#pragma once
// Keys pressed on the focused window and handled by the running program's own message loop.
#include <windows.h>

#include "shell/app/CookbookApp.h"

namespace apptest {

// Posted keys leave the thread's key state alone: Alt is set in it for the keys that need it.
inline void PressKey(UINT vk, bool bAlt = false)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_MENU] = bAlt ? 0x80 : 0;
    SetKeyboardState(keys);
    if (bAlt)
        PostMessageA(GetFocus(), WM_SYSKEYDOWN, vk, 0x20000001);
    else
        PostMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
    PostQuitMessage(0);
    GetCookbookApp()->Run();
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
}

inline void PressAltKey(char letter)
{
    PressKey(static_cast<UINT>(letter), true);
}

}  // namespace apptest
