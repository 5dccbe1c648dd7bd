#include "shopping/ReplacingFile.h"

#include <windows.h>

CReplacingFile::CReplacingFile(const CString& target) : m_target(target), m_scratch(target + ".~sv") {}

CReplacingFile::~CReplacingFile()
{
    if (m_bCommitted)
        return;
    m_file.Abort();
    DeleteFileA(m_scratch);
}

BOOL CReplacingFile::Open()
{
    return m_file.Open(m_scratch, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
}

BOOL CReplacingFile::Commit()
{
    m_file.Close();
    // Replacing by rename ignores the read-only attribute (under Wine at least): test it first.
    const DWORD attributes = GetFileAttributesA(m_target);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return FALSE;
    if (!MoveFileExA(m_scratch, m_target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return FALSE;
    m_bCommitted = true;
    return TRUE;
}
