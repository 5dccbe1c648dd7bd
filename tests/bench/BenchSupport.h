#pragma once
// What the benchmark programs share: where the build tree is, messages on the console, and a
// fresh copy of the new-cookbook template to fill.
#include <windows.h>

#include <cstdio>
#include <string>

#include "database/RMDatabase.h"
#include "framework/AfxMessageBox.h"
#include "res/resource.h"

namespace bench {

// The build tree: bench programs live in its "tests" folder.
inline std::string BuildFolder()
{
    char module[MAX_PATH];
    std::string path(module, GetModuleFileNameA(nullptr, module, sizeof module));
    path = path.substr(0, path.rfind('\\'));
    return path.substr(0, path.rfind('\\'));
}

inline int ShowOnConsole(HWND, LPCSTR text, LPCSTR, UINT)
{
    std::printf("message: %s\n", text);
    return IDOK;
}

// A clock for rates, in seconds.
inline double Seconds()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One line of a benchmark's figures: what was timed, how many recipes, how long, how fast.
inline void PrintRecipeRate(const char* what, int nRecipes, double seconds)
{
    std::printf("%-46s %6d recipes %8.2f s %9.0f recipes/s\n", what, nRecipes, seconds, nRecipes / seconds);
}

// Message boxes go to the console, so a benchmark never waits for a click.
inline void ShowMessagesOnConsole()
{
    AfxSetMessageBoxHandler(ShowOnConsole);
}

// Copies the new-cookbook template to path and opens the copy in db.
inline bool OpenTemplateCopy(const std::string& path, CRMDatabase& db)
{
    return CopyFileA((BuildFolder() + "\\resource\\NEW_INGS.TWS").c_str(), path.c_str(), FALSE) &&
           db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE);
}

}  // namespace bench
