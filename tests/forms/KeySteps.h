#pragma once
// Keys typed into a dialog through the program's own message loop: each step posts its keys to
// the focused window, and the next step runs from a timer once the loop has handled them
// (a timer message comes only when no posted message waits). Posted keys do not change the
// thread's key state, so Alt and Shift are set in it for the keys that need them.
#include <windows.h>

#include <functional>
#include <vector>

namespace formtest {

class KeySteps
{
public:
    using Step = std::function<void()>;

    // Starts the steps from inside a dialog's driver action; the last step should end the dialog.
    static void Run(std::vector<Step> steps)
    {
        Steps() = std::move(steps);
        Next() = 0;
        ::SetTimer(nullptr, 0, 0, &OnTimer);
    }

    static void PostKey(UINT vk, BOOL bShift = FALSE)
    {
        SetModifiers(FALSE, bShift);
        HWND hFocus = ::GetFocus();
        ::PostMessageA(hFocus, WM_KEYDOWN, vk, 1);
        ::PostMessageA(hFocus, WM_KEYUP, vk, 0xC0000001);
    }

    // Alt and a letter, as the system delivers a mnemonic.
    static void PostAlt(char letter)
    {
        SetModifiers(TRUE, FALSE);
        ::PostMessageA(::GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(letter), 0x20000001);
    }

    static void SetModifiers(BOOL bAlt, BOOL bShift)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_MENU] = bAlt ? 0x80 : 0;
        keys[VK_SHIFT] = bShift ? 0x80 : 0;
        keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
    }

    // The dialog control that has the focus (a combo box for the edit inside it).
    static int FocusedControlId(HWND hDialog)
    {
        HWND hFocus = ::GetFocus();
        while (hFocus != nullptr && ::GetParent(hFocus) != hDialog)
            hFocus = ::GetParent(hFocus);
        return hFocus != nullptr ? ::GetDlgCtrlID(hFocus) : 0;
    }

private:
    static std::vector<Step>& Steps()
    {
        static std::vector<Step> s_steps;
        return s_steps;
    }
    static size_t& Next()
    {
        static size_t s_next = 0;
        return s_next;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR idTimer, DWORD)
    {
        ::KillTimer(nullptr, idTimer);
        if (Next() >= Steps().size())
            return;
        const Step step = Steps()[Next()++];
        step();
        if (Next() < Steps().size())
            ::SetTimer(nullptr, 0, 0, &OnTimer);
        else
            SetModifiers(FALSE, FALSE);
    }
};

}  // namespace formtest
