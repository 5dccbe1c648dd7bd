#include "shell/settings/CookbookDirectory.h"

#include <windows.h>

#include "res/resource.h"
#include "shell/settings/SettingsFile.h"

CString CCookbookDirectory::s_cookbookDirectory;
CString CCookbookDirectory::s_defaultDirectory;

namespace {
const int s_cchMaxDirectory = 256;

// A relative path taken from the current directory; empty when the system
// cannot resolve it.
CString FullPath(LPCSTR pszPath)
{
    CString fullPath;
    DWORD cch = MAX_PATH;
    for (;;)
    {
        const DWORD cchNeeded = ::GetFullPathNameA(pszPath, cch, fullPath.GetBuffer(static_cast<int>(cch)), nullptr);
        if (cchNeeded < cch)
        {
            fullPath.ReleaseBuffer(static_cast<int>(cchNeeded));
            return fullPath;
        }
        fullPath.ReleaseBuffer(0);
        cch = cchNeeded;
    }
}

// Removes one trailing backslash, but keeps the one of a drive's root.
CString WithoutTrailingBackslash(const CString& path)
{
    const int nLength = path.GetLength();
    if (!EndsWithBackslash(path) || nLength < 2 || path[nLength - 2] == ':')
        return path;
    return path.Left(nLength - 1);
}

CString ParentDirectory(const CString& path)
{
    return WithoutTrailingBackslash(path.Left(path.ReverseFind('\\') + 1));
}

bool IsDirectory(const CString& path)
{
    const DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Exists(const CString& path)
{
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

CString ReadDatabaseDirectory(LPCSTR pszDefault)
{
    CSettingsFile settings;
    settings.SetSection(IDS_SECTION_GENERAL);
    CString directory;
    settings.GetString(IDS_KEY_DATABASE_DIR, directory, s_cchMaxDirectory, pszDefault);
    return directory;
}
}  // namespace

CCookbookDirectory::CCookbookDirectory()
{
    CString defaultName;
    defaultName.LoadString(IDS_DEFAULT_COOKBOOK_DIR);
    s_defaultDirectory = FullPath(MakeProgramPath(defaultName));
    if (!EndsWithBackslash(s_defaultDirectory))
        s_defaultDirectory += '\\';

    if (s_cookbookDirectory.IsEmpty())
        s_cookbookDirectory = ReadDatabaseDirectory(s_defaultDirectory);
    if (s_cookbookDirectory.IsEmpty())
        s_cookbookDirectory = s_defaultDirectory;
    else if (!EndsWithBackslash(s_cookbookDirectory))
        s_cookbookDirectory += '\\';
}

CString CCookbookDirectory::GetDirectory() const
{
    return s_cookbookDirectory;
}

const CString& CCookbookDirectory::GetDatabaseDirectory(BOOL bReload)
{
    if (bReload)
        s_cookbookDirectory = ReadDatabaseDirectory("");
    return s_cookbookDirectory;
}

BOOL CCookbookDirectory::SetDatabaseDirectory(LPCSTR pszPath, BOOL bSave)
{
    if (!pszPath || !*pszPath)
        return FALSE;
    // Resolving first gives a bare file name a parent folder to fall back to.
    CString directory = WithoutTrailingBackslash(FullPath(pszPath));
    if (directory.IsEmpty() || !Exists(directory))
        return FALSE;
    if (!IsDirectory(directory))
        directory = ParentDirectory(directory);
    if (!IsDirectory(directory))
        return FALSE;

    s_cookbookDirectory = directory;
    if (bSave)
    {
        CSettingsFile settings;
        settings.SetSection(IDS_SECTION_GENERAL);
        settings.WriteString(IDS_KEY_DATABASE_DIR, directory);
    }
    return TRUE;
}
