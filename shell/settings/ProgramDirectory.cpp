#include "shell/settings/ProgramDirectory.h"

#include <windows.h>

CString CProgramDirectory::s_programDirectory;

namespace {
// The module's full file name, or empty when the system gives none or
// the name does not fit even the longest path the system allows.
CString ModuleFileName()
{
    const int cchLongestPath = 32768;
    for (int cch = MAX_PATH;; cch *= 2)
    {
        CString name;
        const DWORD cchCopied = ::GetModuleFileNameA(nullptr, name.GetBuffer(cch), static_cast<DWORD>(cch));
        if (cchCopied < static_cast<DWORD>(cch))
        {
            name.ReleaseBuffer(static_cast<int>(cchCopied));
            return name;
        }
        name.ReleaseBuffer(0);
        if (cch >= cchLongestPath)
            return CString();
    }
}
}  // namespace

CProgramDirectory::CProgramDirectory()
{
    if (!s_programDirectory.IsEmpty())
        return;
    const CString moduleName = ModuleFileName();
    s_programDirectory = moduleName.Left(moduleName.ReverseFind('\\'));
}

CString CProgramDirectory::MakePath(LPCSTR pszDirectory, LPCSTR pszFileName) const
{
    CString path = pszDirectory ? CString(pszDirectory) : GetDirectory();
    if (!EndsWithBackslash(path))
        path += '\\';
    path += pszFileName;
    return path;
}

CString CProgramDirectory::GetDirectory() const
{
    return s_programDirectory;
}

CString CProgramDirectory::MakeProgramPath(LPCSTR pszFileName) const
{
    return CProgramDirectory::MakePath(s_programDirectory, pszFileName);
}

const CString& CProgramDirectory::GetProgramDirectory() const
{
    return s_programDirectory;
}

void CProgramDirectory::SetProgramDirectory(const CString& directory)
{
    s_programDirectory = directory;
}

bool EndsWithBackslash(const CString& path)
{
    return !path.IsEmpty() && path[path.GetLength() - 1] == '\\';
}
