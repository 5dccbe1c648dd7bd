#include "shell/settings/SettingsFile.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "res/resource.h"
#include "shell/services/CurrentCookbook.h"
#include "shell/settings/ProgramDirectory.h"

namespace {
CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}
}  // namespace

CSettingsFile::CSettingsFile() : m_path(CProgramDirectory().MakeProgramPath(LoadText(IDS_SETTINGS_FILE))) {}

void CSettingsFile::SetSection(UINT nSectionId)
{
    m_section = LoadText(nSectionId);
}

void CSettingsFile::SetSection(LPCSTR pszSection)
{
    m_section = pszSection;
}

void CSettingsFile::WriteString(LPCSTR pszKey, LPCSTR pszValue)
{
    ::WritePrivateProfileStringA(m_section, pszKey, pszValue, m_path);
}

void CSettingsFile::WriteString(UINT nKeyId, LPCSTR pszValue)
{
    WriteString(LoadText(nKeyId), pszValue);
}

void CSettingsFile::WriteInt(LPCSTR pszKey, int nValue)
{
    char szValue[16];
    std::snprintf(szValue, sizeof szValue, "%d", nValue);
    WriteString(pszKey, szValue);
}

void CSettingsFile::WriteInt(UINT nKeyId, int nValue)
{
    WriteInt(LoadText(nKeyId), nValue);
}

int CSettingsFile::GetString(LPCSTR pszKey, CString& value, int cchMax, LPCSTR pszDefault)
{
    const DWORD cchRead = ::GetPrivateProfileStringA(m_section, pszKey, pszDefault ? pszDefault : "",
                                                     value.GetBuffer(cchMax), static_cast<DWORD>(cchMax), m_path);
    value.ReleaseBuffer(static_cast<int>(cchRead));
    return static_cast<int>(cchRead);
}

int CSettingsFile::GetString(UINT nKeyId, CString& value, int cchMax, LPCSTR pszDefault)
{
    return GetString(LoadText(nKeyId), value, cchMax, pszDefault);
}

// The system's reader makes 0 of a value that is no number, which would then be written back:
// such a value takes the default instead.
int CSettingsFile::GetInt(LPCSTR pszKey, int nDefault)
{
    CString text;
    GetString(pszKey, text, MaxNumberText, "");
    char* pEnd = nullptr;
    const long value = std::strtol(text, &pEnd, 10);
    return pEnd != text.GetString() ? static_cast<int>(value) : nDefault;
}

int CSettingsFile::GetInt(UINT nKeyId, int nDefault)
{
    return GetInt(LoadText(nKeyId), nDefault);
}

void CSettingsFile::WriteLastUsedCookbook(LPCSTR pszDirectory, LPCSTR pszFileName)
{
    if (!pszDirectory || !*pszDirectory || !pszFileName || !*pszFileName)
        return;
    CString value = pszDirectory;
    if (!EndsWithBackslash(value))
        value += '\\';
    value += pszFileName;
    SetSection(IDS_SECTION_GENERAL);
    WriteString(IDS_KEY_LASTUSED, value);
}

CString CSettingsFile::CookbookSection(LPCSTR pszCookbookPath)
{
    const CString path = pszCookbookPath;
    CString name = path.Mid(path.ReverseFind('\\') + 1);
    const int nDot = name.ReverseFind('.');
    if (nDot >= 0)
        name = name.Left(nDot);
    return name.Left(MaxSectionName);
}

void CSettingsFile::WriteSettingString(UINT nKeyId, LPCSTR pszCookbookPath, LPCSTR pszValue)
{
    WriteCookbookSetting(CookbookSection(pszCookbookPath), nKeyId, pszValue);
}

void CSettingsFile::ReadSettingString(UINT nKeyId, LPCSTR pszCookbookPath, CString& value)
{
    ReadCookbookSetting(CookbookSection(pszCookbookPath), nKeyId, value);
}

// The current cookbook's name is its section already: cutting it again at a point would name
// another cookbook's section.
void CSettingsFile::WriteCurrentCookbookSetting(UINT nKeyId, LPCSTR pszValue)
{
    WriteCookbookSetting(GetCurrentCookbookName(), nKeyId, pszValue);
}

void CSettingsFile::ReadCurrentCookbookSetting(UINT nKeyId, CString& value)
{
    ReadCookbookSetting(GetCurrentCookbookName(), nKeyId, value);
}

void CSettingsFile::GetDataPathSetting(CString& dataPath)
{
    ReadCurrentCookbookSetting(IDS_KEY_DATAPATH, dataPath);
    // Older settings hold the cookbook file itself: its folder is meant.
    const DWORD attributes = ::GetFileAttributesA(dataPath);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        dataPath = dataPath.Left(dataPath.ReverseFind('\\') + 1);
    if (!dataPath.IsEmpty() && !EndsWithBackslash(dataPath))
        dataPath += '\\';
}

void CSettingsFile::WriteCookbookSetting(const CString& section, UINT nKeyId, LPCSTR pszValue)
{
    CString value = pszValue;
    if (EndsWithBackslash(value))
        value = value.Left(value.GetLength() - 1);
    SetSection(section);
    WriteString(nKeyId, value);
}

void CSettingsFile::ReadCookbookSetting(const CString& section, UINT nKeyId, CString& value)
{
    const CString key = LoadText(nKeyId);
    if (key.IsEmpty())
        return;
    SetSection(section);
    GetString(key, value, MaxSettingValue, "");
}
