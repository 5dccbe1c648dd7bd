#include "exchange/ExportFileCheck.h"

#include <windows.h>

#include "framework/AfxMessageBox.h"
#include "framework/String.h"
#include "res/resource.h"
#include "shell/services/DiskSpace.h"
#include "shell/services/MessageUtilities.h"

namespace {

const int kLongestName = 514;
const int kLongestNamePart = 256;

BOOL Refuse(HWND hWnd, UINT nId)
{
    MessageBoxById(hWnd, nullptr, nId, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

BOOL IsWritable(const CString& path)
{
    const HANDLE hFile = ::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    ::CloseHandle(hFile);
    return TRUE;
}

void ShowCharacterNotAllowed(HWND hWnd, char chRefused)
{
    CString text;
    text.LoadString(IDS_EXPORT_NAME_CHARACTERS);
    CString detail;
    detail.LoadString(IDS_EXPORT_CHARACTER_NOT_ALLOWED);
    const char character[2] = {chRefused, '\0'};
    CString shown;
    shown.Format(detail, character);
    AfxShowMessageBox(hWnd, text + shown, nullptr, MB_OK | MB_ICONEXCLAMATION);
}

// The name after the last backslash, leading and trailing blanks aside.
BOOL IsAcceptableName(HWND hWnd, const CString& path)
{
    CString name = path.Mid(path.ReverseFind('\\') + 1);
    if (name.GetLength() > kLongestName)
        return FALSE;
    name.Trim();
    const char* pszRefused = FindInvalidFileNameChar(name);
    if (pszRefused != nullptr)
    {
        ShowCharacterNotAllowed(hWnd, *pszRefused);
        return FALSE;
    }
    const int nDot = name.Find('.');
    const int nStemLength = nDot < 0 ? name.GetLength() : nDot;
    return !name.IsEmpty() && !IsReservedDeviceName(name) && nStemLength <= kLongestNamePart &&
           name.GetLength() - nStemLength <= kLongestNamePart;
}

BOOL CanCreate(const CString& path)
{
    const HANDLE hFile = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    ::CloseHandle(hFile);
    ::DeleteFileA(path);
    return TRUE;
}

}  // namespace

BOOL CheckExportFile(HWND hWnd, const CString& path)
{
    if (path.IsEmpty())
        return Refuse(hWnd, IDS_EXPORT_NO_FILE);
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES)
    {
        // The attribute is asked for too: a process with the right to write anyway must not.
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0 || !IsWritable(path))
            return Refuse(hWnd, IDS_EXPORT_READ_ONLY);
        return MessageBoxById(hWnd, nullptr, IDS_EXPORT_OVERWRITE, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    if (!IsAcceptableName(hWnd, path))
        return Refuse(hWnd, IDS_EXPORT_BAD_NAME);
    if (!CanCreate(path))
        return Refuse(hWnd, IDS_EXPORT_CANNOT_CREATE);
    return TRUE;
}
