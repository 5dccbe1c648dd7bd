// The built program run as its own process, from a program folder of its own, the way a cook
// starts it: the main frame comes up on the cookbook of the command line, and Exit asks first.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/CookbookFixture.h"
#include "support/TestDataFolder.h"

namespace {

// The program's own answer time is not under test: these only keep a hung program from hanging
// the test run.
const DWORD kPatienceMs = 60000;
const DWORD kPollMs = 100;

std::string WindowText(HWND hWnd)
{
    char text[256] = "";
    GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

std::string ClassName(HWND hWnd)
{
    char name[64] = "";
    GetClassNameA(hWnd, name, sizeof name);
    return name;
}

struct WindowSearch
{
    DWORD processId;
    bool dialog;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hWnd, &owner);
    if (owner != search->processId || !IsWindowVisible(hWnd))
        return TRUE;
    if ((ClassName(hWnd) == "#32770") != search->dialog)
        return TRUE;
    if (!search->dialog && GetMenu(hWnd) == nullptr)
        return TRUE;  // the splash window has none
    search->found = hWnd;
    return FALSE;
}

// A visible top-level window of the process: its main frame, or a dialog box it shows.
HWND WaitForWindow(DWORD processId, bool dialog)
{
    for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs)
    {
        WindowSearch search{processId, dialog, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        Sleep(kPollMs);
    }
    return nullptr;
}

BOOL CALLBACK CollectText(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<std::string*>(lParam)->append(WindowText(hWnd)).append("\n");
    return TRUE;
}

std::string TextsInside(HWND hWnd)
{
    std::string texts;
    EnumChildWindows(hWnd, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE hFind = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        if (found.cFileName[0] != '.')
            names.push_back(found.cFileName);
    } while (FindNextFileA(hFind, &found));
    FindClose(hFind);
    return names;
}

class ProgramProcessTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        CookbookTest::SetUp();
        DeleteFileA(PathOf("SAVOR32.INI").c_str());
        ASSERT_TRUE(
            CopyFileA(testdata::WindowsPath(SAVORUM_PROGRAM_FILE).c_str(), PathOf("SAVOR32.EXE").c_str(), FALSE));
        ASSERT_TRUE(
            CopyFileA(testdata::WindowsPath(SAVORUM_LIBRARY_FILE).c_str(), PathOf("LUMBRA32.DLL").c_str(), FALSE));
        CreateDirectoryA(PathOf("resource").c_str(), nullptr);
        CreateDirectoryA(PathOf("temp").c_str(), nullptr);
    }

    void TearDown() override
    {
        if (m_process.hProcess != nullptr)
        {
            if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(m_process.hProcess, 1);
            CloseHandle(m_process.hProcess);
            CloseHandle(m_process.hThread);
        }
        CookbookTest::TearDown();
    }

    std::string PathOf(const std::string& name) const { return m_folder + "\\" + name; }

    // The program inherits TEMP: its scratch files land in a folder the test can look into.
    bool Launch(const std::string& cookbook)
    {
        std::string commandLine = "\"" + PathOf("SAVOR32.EXE") + "\" \"" + cookbook + "\"";
        SetEnvironmentVariableA("TEMP", PathOf("temp").c_str());
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        const BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                            m_folder.c_str(), &startup, &m_process);
        return started != FALSE;
    }

    PROCESS_INFORMATION m_process = {};
};

// A damaged pantry file does not stop start-up; the exit writes both item files anew.
TEST_F(ProgramProcessTest, StartsOnTheCookbookAndExitsWhenTheUserSaysYes)
{
    const std::string damaged = "\x02\x00\xFF\xFF\x0C\x00\x11\x00CShopping";
    std::ofstream(PathOf("pantry.adf"), std::ios::binary) << damaged;
    DeleteFileA(PathOf("frequent.adf").c_str());
    ASSERT_TRUE(Launch(Copy(fixture::TemplatePath(), "Family Recipes.TWS")));

    HWND hFrame = WaitForWindow(m_process.dwProcessId, false);
    ASSERT_NE(nullptr, hFrame) << "no main frame came up";
    // The frame holds the tool bar above a form of 630 by 395.
    RECT client;
    GetClientRect(hFrame, &client);
    EXPECT_EQ(630, client.right);
    EXPECT_GT(client.bottom, 395);
    // The frame shows before start-up opens the cookbook and names it in the title.
    for (DWORD waited = 0; waited < kPatienceMs && WindowText(hFrame) == "Savorum"; waited += kPollMs)
        Sleep(kPollMs);
    EXPECT_EQ("Savorum - FAMILY RECIPES", WindowText(hFrame));

    const WPARAM kFileExit = 40014;
    PostMessageA(hFrame, WM_COMMAND, kFileExit, 0);
    HWND hQuestion = WaitForWindow(m_process.dwProcessId, true);
    ASSERT_NE(nullptr, hQuestion) << "Exit asked nothing";
    EXPECT_NE(std::string::npos, TextsInside(hQuestion).find("Are you sure you want to exit from Savorum?"));
    PostMessageA(hQuestion, WM_COMMAND, IDYES, 0);

    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(m_process.hProcess, kPatienceMs)) << "the program did not end";
    DWORD exitCode = 1;
    GetExitCodeProcess(m_process.hProcess, &exitCode);
    EXPECT_EQ(0u, exitCode);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf("SAVOR32.INI").c_str()));
    EXPECT_TRUE(FilesIn(PathOf("temp")).empty()) << FilesIn(PathOf("temp")).front();
    const std::string emptyList("\x00\x00\x3F\x42\x0F\x00\x00\x00\x00\x00", 10);
    for (const char* name : {"pantry.adf", "frequent.adf"})
    {
        std::ifstream file(PathOf(name), std::ios::binary);
        EXPECT_EQ(emptyList, std::string(std::istreambuf_iterator<char>(file), {})) << name;
    }
}

}  // namespace
