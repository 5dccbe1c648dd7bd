#pragma once
// Test programs run side by side on one desktop, where a drop test could find another
// program's window under its mouse. Tests that drop put this program on a desktop of its own,
// before any of its windows exists.
#include <string>

#include <windows.h>

inline bool UseOwnDesktop()
{
    std::string name = "savorum-test-" + std::to_string(::GetCurrentProcessId());
    HDESK desktop = ::CreateDesktopA(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    return desktop != nullptr && ::SetThreadDesktop(desktop);
}

inline const bool g_ownDesktop = UseOwnDesktop();
