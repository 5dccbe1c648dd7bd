#include "framework/HostPath.h"

#include <windows.h>

#include "framework/String.h"

namespace {

using WineToUnix = char*(CDECL*)(LPCWSTR);

WineToUnix FindWineConverter()
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr)
        return nullptr;
    return reinterpret_cast<WineToUnix>(reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_unix_file_name")));
}

}  // namespace

BOOL CHostPath::Convert(LPCSTR lpszWindowsPath, CString& hostPath)
{
    hostPath.Empty();
    if (lpszWindowsPath == nullptr || *lpszWindowsPath == '\0')
        return FALSE;
    static const WineToUnix toUnix = FindWineConverter();
    if (toUnix == nullptr)
    {
        hostPath = lpszWindowsPath;
        return TRUE;
    }
    WCHAR wide[MAX_PATH * 2];
    if (MultiByteToWideChar(CP_ACP, 0, lpszWindowsPath, -1, wide, MAX_PATH * 2) == 0)
        return FALSE;
    char* unixPath = toUnix(wide);
    if (unixPath == nullptr)
        return FALSE;
    hostPath = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return !hostPath.IsEmpty();
}
