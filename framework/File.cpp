#include "framework/File.h"

#include <algorithm>
#include <utility>
#include <windows.h>

#include "framework/FileException.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_hFile(INVALID_HANDLE_VALUE)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::CFile(CFile&& other) noexcept
    : m_hFile(std::exchange(other.m_hFile, INVALID_HANDLE_VALUE)), m_strFileName(std::move(other.m_strFileName))
{
}

CFile& CFile::operator=(CFile&& other) noexcept
{
    if (this != &other)
    {
        Abort();
        m_hFile = std::exchange(other.m_hFile, INVALID_HANDLE_VALUE);
        m_strFileName = std::move(other.m_strFileName);
    }
    return *this;
}

CFile::~CFile()
{
    Abort();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    Abort();
    m_strFileName = lpszFileName;

    DWORD access = GENERIC_READ;
    switch (nOpenFlags & 3)
    {
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default: break;
    }
    DWORD share = 0;
    switch (nOpenFlags & 0x70)
    {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: break;
    }
    DWORD creation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    SECURITY_ATTRIBUTES security = {sizeof security, nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};

    m_hFile = ::CreateFileA(lpszFileName, access, share, &security, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hFile != INVALID_HANDLE_VALUE)
        return TRUE;
    if (pError != nullptr)
    {
        pError->m_lOsError = static_cast<LONG>(::GetLastError());
        pError->m_cause = CFileException::OsErrorToException(pError->m_lOsError);
        pError->m_strFileName = lpszFileName;
    }
    return FALSE;
}

BOOL CFile::IsOpen() const
{
    return m_hFile != INVALID_HANDLE_VALUE;
}

void CFile::Close()
{
    if (!IsOpen())
        return;
    const HANDLE hFile = std::exchange(m_hFile, INVALID_HANDLE_VALUE);
    if (!::CloseHandle(hFile))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

void CFile::Abort()
{
    if (IsOpen())
        ::CloseHandle(std::exchange(m_hFile, INVALID_HANDLE_VALUE));
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    DWORD read = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &read, nullptr))
        ThrowLastError();
    return read;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD written = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &written, nullptr))
        ThrowLastError();
    // A short write without an error code means the disk is full.
    if (written != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile::Flush()
{
    if (IsOpen() && !::FlushFileBuffers(m_hFile))
        ThrowLastError();
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    const DWORD method = nFrom == end ? FILE_END : nFrom == current ? FILE_CURRENT : FILE_BEGIN;
    const DWORD position = ::SetFilePointer(m_hFile, lOff, nullptr, method);
    if (position == INVALID_SET_FILE_POINTER)
        ThrowLastError();
    return static_cast<LONG>(position);
}

DWORD CFile::GetPosition() const
{
    const DWORD position = ::SetFilePointer(m_hFile, 0, nullptr, FILE_CURRENT);
    if (position == INVALID_SET_FILE_POINTER)
        ThrowLastError();
    return position;
}

DWORD CFile::GetLength() const
{
    const DWORD length = ::GetFileSize(m_hFile, nullptr);
    if (length == INVALID_FILE_SIZE)
        ThrowLastError();
    return length;
}

void CFile::SetLength(DWORD dwNewLen)
{
    Seek(static_cast<LONG>(dwNewLen), begin);
    if (!::SetEndOfFile(m_hFile))
        ThrowLastError();
}

CString CFile::GetFileName() const
{
    int slash = m_strFileName.ReverseFind('\\');
    slash = std::max(slash, m_strFileName.ReverseFind('/'));
    slash = std::max(slash, m_strFileName.ReverseFind(':'));
    return m_strFileName.Mid(slash + 1);
}

void CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (!::MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszOldName);
}

void CFile::Remove(LPCSTR lpszFileName)
{
    if (!::DeleteFileA(lpszFileName))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszFileName);
}

void CFile::ThrowLastError() const
{
    CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}
