#pragma once
// A form window that keeps the commands it gets, its controls' notifications among them.
#include <utility>
#include <vector>

#include <windows.h>

#include "framework/Wnd.h"

class CRecordingForm : public CWnd
{
public:
    std::vector<std::pair<WPARAM, LPARAM>> commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            commands.push_back({wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
