#pragma once

#include <windef.h>

class CString;

// The ODBC driver is native host code and takes a path literally: a Windows path handed to it
// names a file in its current directory. Every path given to the driver goes through here.
class CHostPath
{
public:
    // The host's name for a Windows path. FALSE for an empty path and for one that cannot be
    // converted (Wine gives nothing when a parent directory is missing). Outside Wine the
    // path is the host's own and comes back unchanged.
    static BOOL Convert(LPCSTR lpszWindowsPath, CString& hostPath);
};
