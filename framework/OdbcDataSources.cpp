#include "framework/OdbcDataSources.h"

#include <windows.h>

#include <cstring>

const char COdbcDataSources::kListSection[] = "ODBC 32 bit Data Sources";

namespace {

CString& ProfileOverride()
{
    static CString path;
    return path;
}

CString ReadProfile(LPCSTR section, LPCSTR key)
{
    char value[1024];
    GetPrivateProfileStringA(section, key, "", value, sizeof value, COdbcDataSources::GetProfilePath());
    return value;
}

CString FindDataSourceName(LPCSTR attributes)
{
    for (LPCSTR entry = attributes; *entry != '\0'; entry += std::strlen(entry) + 1)
    {
        if (_strnicmp(entry, "DSN=", 4) == 0)
            return entry + 4;
    }
    return CString();
}

}  // namespace

CString COdbcDataSources::GetProfilePath()
{
    if (!ProfileOverride().IsEmpty())
        return ProfileOverride();
    char module[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
    CString path(module, static_cast<int>(length));
    return path.Left(path.ReverseFind('\\') + 1) + "odbc.ini";
}

void COdbcDataSources::SetProfilePath(LPCSTR lpszPath)
{
    ProfileOverride() = lpszPath;
}

BOOL COdbcDataSources::Configure(WORD request, LPCSTR lpszDriver, LPCSTR lpszAttributes)
{
    if (lpszAttributes == nullptr)
        return FALSE;
    const CString name = FindDataSourceName(lpszAttributes);
    const CString profile = GetProfilePath();
    if (name.IsEmpty())
        return FALSE;
    if (request == removeDataSource)
    {
        WritePrivateProfileStringA(kListSection, name, nullptr, profile);
        return WritePrivateProfileStringA(name, nullptr, nullptr, profile);
    }
    if (request != addDataSource && request != configDataSource)
        return FALSE;
    if (lpszDriver == nullptr || *lpszDriver == '\0')
        return FALSE;
    if (!WritePrivateProfileStringA(kListSection, name, lpszDriver, profile) ||
        !WritePrivateProfileStringA(name, "Driver", lpszDriver, profile))
        return FALSE;
    for (LPCSTR entry = lpszAttributes; *entry != '\0'; entry += std::strlen(entry) + 1)
    {
        const CString text(entry);
        const int equals = text.Find('=');
        if (equals <= 0 || _strnicmp(entry, "DSN=", 4) == 0)
            continue;
        if (!WritePrivateProfileStringA(name, text.Left(equals), text.Mid(equals + 1), profile))
            return FALSE;
    }
    return TRUE;
}

CString COdbcDataSources::GetDriver(LPCSTR lpszDataSource)
{
    return ReadProfile(kListSection, lpszDataSource);
}

CString COdbcDataSources::GetAttribute(LPCSTR lpszDataSource, LPCSTR lpszKey)
{
    return ReadProfile(lpszDataSource, lpszKey);
}
