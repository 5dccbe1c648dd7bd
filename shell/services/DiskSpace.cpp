#include "shell/services/DiskSpace.h"

#include <windows.h>

#include <cctype>
#include <cstring>

#include "framework/String.h"
#include "res/resource.h"
#include "shell/services/PlainMessageBox.h"

LONGLONG GetDiskFreeBytes(LPCSTR lpszPath)
{
    const CString path = lpszPath != nullptr ? lpszPath : "";
    const int root = path.Find(":\\");
    if (root < 0)
        return -1;
    ULARGE_INTEGER available;
    ULARGE_INTEGER total;
    ULARGE_INTEGER free;
    if (!GetDiskFreeSpaceExA(path.Left(root + 2), &available, &total, &free))
        return -1;
    return static_cast<LONGLONG>(available.QuadPart);
}

BOOL CheckFreeDiskSpace(HWND hWnd, LPCSTR lpszPath, LONGLONG nRequired)
{
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    CString path = lpszPath != nullptr && *lpszPath != '\0' ? CString(lpszPath) : CString(current);
    if (path.Find('\\') < 0)
        path = CString(current) + "\\" + path;
    if (GetDiskFreeBytes(path) >= nRequired)
        return TRUE;
    CString format;
    format.LoadString(IDS_INSUFFICIENT_SPACE);
    CString caption;
    caption.LoadString(24851);
    CString text;
    // The message shows the amount as a 32-bit number.
    const long shown = nRequired > 0x7FFFFFFF ? 0x7FFFFFFFL : static_cast<long>(nRequired);
    text.Format(format, path.Left(2).GetString(), shown);
    ShowShellMessageBox(hWnd, text, caption, MB_OK);
    return FALSE;
}

BOOL IsValidFileName(LPCSTR lpszName)
{
    return lpszName != nullptr && *lpszName != '\0' && FindInvalidFileNameChar(lpszName) == nullptr &&
           !IsReservedDeviceName(lpszName);
}

LPCSTR FindInvalidFileNameChar(LPCSTR lpszName)
{
    for (const char* c = lpszName; c != nullptr && *c != '\0'; ++c)
    {
        if (!std::isalnum(static_cast<unsigned char>(*c)) && *c != ' ' &&
            std::strchr("$%'-_@~`!(){}^#&+.,;=[]", *c) == nullptr)
            return c;
    }
    return nullptr;
}

// The system matches a device by the name before the first dot, trailing blanks dropped.
BOOL IsReservedDeviceName(LPCSTR lpszName)
{
    CString base(lpszName != nullptr ? lpszName : "");
    const int dot = base.Find('.');
    if (dot >= 0)
        base = base.Left(dot);
    base.TrimRight();
    base.MakeUpper();
    for (LPCSTR device : {"CON", "PRN", "AUX", "NUL"})
    {
        if (base == device)
            return TRUE;
    }
    return base.GetLength() == 4 && (base.Left(3) == "COM" || base.Left(3) == "LPT") && base[3] >= '1' &&
           base[3] <= '9';
}

void FillComboWithFiles(HWND hCombo, LPCSTR lpszPattern)
{
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(lpszPattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
        SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
    while (FindNextFileA(search, &found));
    FindClose(search);
}
