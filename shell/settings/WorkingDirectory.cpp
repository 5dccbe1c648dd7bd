#include "shell/settings/WorkingDirectory.h"

#include <windows.h>

CWorkingDirectory::CWorkingDirectory()
{
    MakeProgramDirectoryCurrent();
}

BOOL CWorkingDirectory::MakeProgramDirectoryCurrent() const
{
    // Setting a full path selects its drive as well.
    const CString& directory = GetProgramDirectory();
    return !directory.IsEmpty() && ::SetCurrentDirectoryA(directory);
}

CString GetWorkingDirectory()
{
    return CWorkingDirectory().GetProgramDirectory();
}
