#pragma once
// The program started in-process, as a person starts it, on a copy of a cookbook the test has
// filled; its program, resource and temporary folders are the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/DialogDriver.h"
#include "framework/Menu.h"
#include "framework/MessageBoxScript.h"
#include "shell/app/CookbookApp.h"
#include "shell/settings/ProgramDirectory.h"
#include "support/CookbookFixture.h"

namespace apptest {

class RunningProgramTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        CookbookTest::SetUp();
        CProgramDirectory::SetProgramDirectory(m_folder.c_str());
        SetCurrentDirectoryA(m_folder.c_str());
        CreateDirectoryA((m_folder + "\\resource").c_str(), nullptr);
        // The recipe editor's first-time help would add its box to every count of boxes.
        WritePrivateProfileStringA("General", "FirstTime", "No", IniPath().c_str());
        SetEnvironmentVariableA("TEMP", m_folder.c_str());
        CDialogDriver::Reset();
        CDialogDriver::Arm(TRUE);
    }

    void TearDown() override
    {
        CCookbookApp& app = *GetCookbookApp();
        if (app.m_pMainWnd != nullptr)
            app.m_pMainWnd->DestroyWindow();
        app.m_pMainWnd = nullptr;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        {
        }
        CDialogDriver::Reset();
        CookbookTest::TearDown();
    }

    // Starts the program on the cookbook at m_path.
    void StartProgram()
    {
        CCookbookApp& app = *GetCookbookApp();
        app.m_hInstance = GetModuleHandleA(nullptr);
        app.m_nCmdShow = SW_SHOW;
        app.m_lpCmdLine = &m_path[0];
        ASSERT_TRUE(app.InitInstance());
    }

    // Runs the program's message loop for about the time given.
    static void Pump(DWORD milliseconds)
    {
        const DWORD end = GetTickCount() + milliseconds;
        while (static_cast<LONG>(end - GetTickCount()) > 0)
        {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(10);
        }
    }

    // The texts of a popup menu's items, top to bottom.
    static std::vector<std::string> MenuTexts(CMenu& menu)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        {
            CString text;
            menu.GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
            texts.push_back(static_cast<LPCSTR>(text));
        }
        return texts;
    }
    std::string IniPath() const { return m_folder + "\\SAVOR32.INI"; }

    std::string m_path;
    CMessageBoxScript m_boxes;
};

}  // namespace apptest
