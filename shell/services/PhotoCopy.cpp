#include "shell/services/PhotoCopy.h"

#include <windows.h>

#include "framework/String.h"
#include "shell/services/PlainMessageBox.h"

namespace {

BOOL FileExists(const CString& path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

BOOL FolderExists(const CString& path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

CString FullPath(const CString& path)
{
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? CString(full) : path;
}

// The source to read and the extension that was added to find it; FALSE when there is none.
BOOL FindSource(CString& source, CString& added)
{
    if (source.Find('.', source.ReverseFind('\\') + 1) >= 0)
        return FileExists(source);
    for (LPCSTR extension : {".CMP", ".BMP"})
    {
        if (FileExists(source + extension))
        {
            source += extension;
            added = extension;
            return TRUE;
        }
    }
    return FALSE;
}

int CopyContents(HANDLE from, HANDLE to)
{
    char block[2049];
    for (;;)
    {
        DWORD read = 0;
        if (!ReadFile(from, block, 2048, &read, nullptr))
            return copySourceUnreadable;
        if (read == 0)
            return copyDone;
        DWORD written = 0;
        if (!WriteFile(to, block, read, &written, nullptr) || written != read)
            return copyDestinationUnwritable;
    }
}

int CreateFailure()
{
    return GetLastError() == ERROR_WRITE_PROTECT ? copyDestinationWriteProtected : copyDestinationUnwritable;
}

}  // namespace

int CopyPhotoFile(LPCSTR lpszDestination, LPCSTR lpszSource)
{
    CString destination(lpszDestination);
    const int slash = destination.ReverseFind('\\');
    if (slash < 0 || !FolderExists(slash == 0 ? CString("\\") : destination.Left(slash)))
        return copyDestinationPathNotFound;
    CString source(lpszSource);
    CString added;
    if (!FindSource(source, added))
        return copySourceNotFound;
    destination += added;
    if (FullPath(source).CompareNoCase(FullPath(destination)) == 0)
        return copyDone;
    // Replacing by rename ignores the read-only attribute (under Wine at least): test it first.
    const DWORD existing = GetFileAttributesA(destination);
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY) != 0)
        return copyDestinationUnwritable;

    HANDLE from = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (from == INVALID_HANDLE_VALUE)
        return copySourceUnreadable;
    const CString scratch = destination + ".~cp";
    HANDLE to = CreateFileA(scratch, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (to == INVALID_HANDLE_VALUE)
    {
        const int status = CreateFailure();
        CloseHandle(from);
        return status;
    }
    int status = CopyContents(from, to);
    CloseHandle(from);
    CloseHandle(to);
    if (status == copyDone && !MoveFileExA(scratch, destination, MOVEFILE_REPLACE_EXISTING))
        status = CreateFailure();
    if (status != copyDone)
        DeleteFileA(scratch);
    return status;
}

int ShowCopyError(int nStatus, LPCSTR lpszSource, LPCSTR lpszDestination)
{
    CString text;
    switch (nStatus)
    {
    case copySourceNotFound: text = CString("Source file not found: ") + lpszSource; break;
    case copySourceUnreadable: text = CString("Unable to read source file: ") + lpszSource; break;
    case copyDestinationUnwritable: text = CString("Unable to write to file: \r\n") + lpszDestination; break;
    case copyDestinationPathNotFound: text = "Destination path not found."; break;
    case copyDestinationWriteProtected: text = "Destination disk is write-protected."; break;
    default:
        text = CString("An unknown error has occured while attempting to copy file: \r\n") + lpszSource + " to \r\n" +
               lpszDestination;
        break;
    }
    CString caption;
    caption.LoadString(24851);
    ShowShellMessageBox(nullptr, text, caption, MB_ICONSTOP | MB_OK);
    return 0;
}
