#pragma once
// Test programs run side by side on one desktop, where a drop test could find another
// program's window under its mouse. Tests that drop put this program on a desktop of its own,
// before any of its windows exists. A program a test starts as its partner stays on the
// desktop it is given.
#include <cstdlib>
#include <string>

#include <windows.h>

inline std::string OwnDesktopName()
{
    return "savorum-test-" + std::to_string(::GetCurrentProcessId());
}

inline bool UseOwnDesktop()
{
    if (std::getenv("SAVORUM_DESKTOP_PARTNER") != nullptr)
        return true;
    std::string name = OwnDesktopName();
    HDESK desktop = ::CreateDesktopA(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    return desktop != nullptr && ::SetThreadDesktop(desktop);
}

inline const bool g_ownDesktop = UseOwnDesktop();
