#pragma once

#include <windef.h>

#include "framework/String.h"

// The folder of the program file: the parent of its "resource" folder and
// the home of SAVOR32.INI and the help file. Filled by the first instance;
// the text has no trailing backslash.
class CProgramDirectory
{
public:
    CProgramDirectory();
    virtual ~CProgramDirectory() = default;

    // pszDirectory (this object's own directory when null), a backslash
    // unless it ends in one, and the file name.
    virtual CString MakePath(LPCSTR pszDirectory, LPCSTR pszFileName) const;
    // The directory MakePath uses when it is given none.
    virtual CString GetDirectory() const;

    // MakePath from the program directory, whatever the object's own directory.
    CString MakeProgramPath(LPCSTR pszFileName) const;
    const CString& GetProgramDirectory() const;

    // Tests run the program against a scratch folder instead of the
    // module's own.
    static void SetProgramDirectory(const CString& directory);

private:
    static CString s_programDirectory;
};

bool EndsWithBackslash(const CString& path);
