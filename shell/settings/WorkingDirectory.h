#pragma once

#include <windef.h>

#include "shell/settings/ProgramDirectory.h"

// Makes the program directory the current drive and directory.
class CWorkingDirectory : public CProgramDirectory
{
public:
    CWorkingDirectory();

    // TRUE when the program directory is now the current directory.
    BOOL MakeProgramDirectoryCurrent() const;
};

// Makes the program directory current and returns it.
CString GetWorkingDirectory();
