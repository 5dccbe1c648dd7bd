#pragma once

#include <windef.h>

#include "framework/File.h"
#include "framework/String.h"

// A file written beside its target under a scratch name, which replaces the target in one step
// only on Commit: a write that fails half-way leaves the old file whole. Without Commit the
// scratch file is removed again.
class CReplacingFile
{
public:
    explicit CReplacingFile(const CString& target);
    ~CReplacingFile();
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;

    // FALSE when the scratch file cannot be made.
    BOOL Open();
    CFile& GetFile() { return m_file; }
    // Closes the scratch file and puts it in the target's place; FALSE, with the target as it
    // was, when the target is read-only or cannot be replaced.
    BOOL Commit();

private:
    CString m_target;
    CString m_scratch;
    CFile m_file;
    bool m_bCommitted = false;
};
