#pragma once

#include <windef.h>

#include "framework/Object.h"
#include "framework/String.h"

class CFileException;

// Owning wrapper of a Win32 file handle: no copy, move allowed, the
// destructor closes the handle without throwing. Failures throw
// CFileException* (Open with a pError argument reports instead of throwing).
class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    // Open flags: one access mode, at most one share mode, and modifiers.
    enum OpenFlags : UINT
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,  // as shareExclusive
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,      // create, or truncate an existing file
        modeNoTruncate = 0x2000,  // with modeCreate: keep an existing file
    };
    enum SeekPosition : UINT
    {
        begin = 0,
        current = 1,
        end = 2
    };

    CFile();
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);  // throws on failure
    CFile(CFile&& other) noexcept;
    CFile& operator=(CFile&& other) noexcept;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() override;

    // FALSE on failure; the reasons go into *pError when given.
    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // Throws on failure; does nothing when not open.
    void Close();
    // Closes without throwing.
    void Abort();
    BOOL IsOpen() const;

    // Reads up to nCount bytes; returns how many were read (0 at the end).
    UINT Read(void* lpBuf, UINT nCount);
    // Writes all nCount bytes or throws (diskFull when the disk is full).
    void Write(const void* lpBuf, UINT nCount);
    void Flush();

    // Returns the new position.
    LONG Seek(LONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    DWORD SeekToEnd() { return static_cast<DWORD>(Seek(0, end)); }
    DWORD GetPosition() const;
    DWORD GetLength() const;
    void SetLength(DWORD dwNewLen);

    const CString& GetFilePath() const { return m_strFileName; }
    CString GetFileName() const;  // the last path component
    HANDLE GetHandle() const { return m_hFile; }

    static void Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
    static void Remove(LPCSTR lpszFileName);

private:
    [[noreturn]] void ThrowLastError() const;

    HANDLE m_hFile;
    CString m_strFileName;
};
