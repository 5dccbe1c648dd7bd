#pragma once

#include <windef.h>

#include "framework/String.h"

// One section of SAVOR32.INI in the program directory, read and written key
// by key. Keys and sections given as string ids are loaded from the string
// table. A missing file or key reads as the default; failed writes are
// ignored. Short-lived: make one where it is needed.
class CSettingsFile
{
public:
    CSettingsFile();

    void SetSection(UINT nSectionId);
    void SetSection(LPCSTR pszSection);

    void WriteString(LPCSTR pszKey, LPCSTR pszValue);
    void WriteString(UINT nKeyId, LPCSTR pszValue);
    void WriteInt(LPCSTR pszKey, int nValue);
    void WriteInt(UINT nKeyId, int nValue);

    // Reads at most cchMax - 1 characters; returns the number read.
    int GetString(LPCSTR pszKey, CString& value, int cchMax, LPCSTR pszDefault);
    int GetString(UINT nKeyId, CString& value, int cchMax, LPCSTR pszDefault);
    // A value that does not begin with a number reads as the default.
    int GetInt(LPCSTR pszKey, int nDefault);
    int GetInt(UINT nKeyId, int nDefault);

    // "LastUsed" of "General" = directory\file; nothing when either is empty.
    void WriteLastUsedCookbook(LPCSTR pszDirectory, LPCSTR pszFileName);
    // A cookbook's own keys live in the section named after the base name of
    // its file, so cookbooks of the same name share one. The value is stored
    // without a trailing backslash; a missing key reads as empty.
    void WriteSettingString(UINT nKeyId, LPCSTR pszCookbookPath, LPCSTR pszValue);
    void ReadSettingString(UINT nKeyId, LPCSTR pszCookbookPath, CString& value);
    // The same for the cookbook in use, whose name is its section.
    void WriteCurrentCookbookSetting(UINT nKeyId, LPCSTR pszValue);
    void ReadCurrentCookbookSetting(UINT nKeyId, CString& value);
    // The section of a cookbook's own keys: its file name without directory and extension.
    static CString CookbookSection(LPCSTR pszCookbookPath);
    // "DataPath" of the current cookbook with one trailing backslash, or empty.
    void GetDataPathSetting(CString& dataPath);

    const CString& GetPath() const { return m_path; }
    const CString& GetSection() const { return m_section; }

    // Length limits of the values the program reads.
    enum
    {
        MaxSectionName = 256,
        MaxSettingValue = 260,
        MaxNumberText = 32
    };

private:
    void WriteCookbookSetting(const CString& section, UINT nKeyId, LPCSTR pszValue);
    void ReadCookbookSetting(const CString& section, UINT nKeyId, CString& value);

    CString m_path;
    CString m_section;
};
