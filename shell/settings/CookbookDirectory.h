#pragma once

#include <windef.h>

#include "shell/settings/ProgramDirectory.h"

// The default folder of cookbook files, kept as "DatabaseDirectory" of
// "General" in the settings file. Without that key it is the "COOKBKS"
// folder beside the program directory.
class CCookbookDirectory : public CProgramDirectory
{
public:
    CCookbookDirectory();

    // The cookbook directory.
    CString GetDirectory() const override;

    // With bReload the directory is read again from the settings file first
    // (empty when the key is missing).
    const CString& GetDatabaseDirectory(BOOL bReload);
    // pszPath names a folder, or a file whose folder is meant. Relative paths
    // are taken from the current directory. FALSE, and nothing changed, when
    // it does not exist; with bSave the folder is also written to the
    // settings file.
    BOOL SetDatabaseDirectory(LPCSTR pszPath, BOOL bSave);

private:
    static CString s_cookbookDirectory;
    static CString s_defaultDirectory;
};
