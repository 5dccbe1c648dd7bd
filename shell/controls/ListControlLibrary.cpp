#include "shell/controls/ListControlLibrary.h"

#include <windows.h>

#include "framework/FileException.h"

namespace {

HMODULE g_listControlLibrary = nullptr;

}  // namespace

int CListControlLibrary::s_hostCount = 0;

void LoadListControlLibrary()
{
    if (g_listControlLibrary)
        return;
    g_listControlLibrary = ::LoadLibraryA("LUMBRA32.DLL");
    if (!g_listControlLibrary)
        AfxThrowFileException(CFileException::fileNotFound, static_cast<LONG>(::GetLastError()), "LUMBRA32.DLL");
}

void FreeListControlLibrary()
{
    if (!g_listControlLibrary)
        return;
    ::FreeLibrary(g_listControlLibrary);
    g_listControlLibrary = nullptr;
}

void CListControlLibrary::AddHost()
{
    LoadListControlLibrary();
    ++s_hostCount;
}

void CListControlLibrary::RemoveHost()
{
    if (s_hostCount > 0 && --s_hostCount == 0)
        FreeListControlLibrary();
}

bool CListControlLibrary::IsLoaded()
{
    return g_listControlLibrary != nullptr;
}
