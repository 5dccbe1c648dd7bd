#include "framework/FileException.h"

#include <windows.h>

IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {
struct OsErrorCause
{
    LONG osError;
    int cause;
};

const OsErrorCause kOsErrorCauses[] = {
    {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
    {ERROR_PATH_NOT_FOUND, CFileException::badPath},
    {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
    {ERROR_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_INVALID_HANDLE, CFileException::fileNotFound},
    {ERROR_BAD_FORMAT, CFileException::invalidFile},
    {ERROR_INVALID_ACCESS, CFileException::accessDenied},
    {ERROR_INVALID_DRIVE, CFileException::badPath},
    {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
    {ERROR_NOT_SAME_DEVICE, CFileException::badPath},
    {ERROR_NO_MORE_FILES, CFileException::fileNotFound},
    {ERROR_WRITE_PROTECT, CFileException::accessDenied},
    {ERROR_NOT_READY, CFileException::hardIO},
    {ERROR_CRC, CFileException::hardIO},
    {ERROR_SEEK, CFileException::badSeek},
    {ERROR_WRITE_FAULT, CFileException::accessDenied},
    {ERROR_READ_FAULT, CFileException::badSeek},
    {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
    {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
    {ERROR_HANDLE_EOF, CFileException::endOfFile},
    {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
    {ERROR_BAD_NETPATH, CFileException::badPath},
    {ERROR_NETWORK_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_BAD_NET_NAME, CFileException::badPath},
    {ERROR_FILE_EXISTS, CFileException::accessDenied},
    {ERROR_CANNOT_MAKE, CFileException::accessDenied},
    {ERROR_DISK_FULL, CFileException::diskFull},
    {ERROR_INVALID_NAME, CFileException::badPath},
    {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
    {ERROR_DIR_NOT_EMPTY, CFileException::removeCurrentDir},
    {ERROR_BAD_PATHNAME, CFileException::badPath},
    {ERROR_LOCK_FAILED, CFileException::lockViolation},
    {ERROR_BUSY, CFileException::accessDenied},
    {ERROR_ALREADY_EXISTS, CFileException::accessDenied},
    {ERROR_FILENAME_EXCED_RANGE, CFileException::badPath},
    {ERROR_DIRECTORY, CFileException::badPath},
};

// Indexed by cause; %s is the file name.
const char* const kCauseTexts[] = {
    "No error.",
    "An unexpected error occurred with the file %s.",
    "The file %s could not be found.",
    "The path of %s is not valid.",
    "Too many files are open to open %s.",
    "Access to %s is denied.",
    "The file handle of %s is not valid.",
    "%s is the current folder and cannot be removed.",
    "The folder is full: %s cannot be created.",
    "The position in %s cannot be set.",
    "A hardware error occurred with %s.",
    "%s is in use by another program.",
    "Part of %s is locked.",
    "The disk is full: %s cannot be written.",
    "%s ended before all of it was read.",
};
}  // namespace

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    const int cause = (m_cause >= none && m_cause <= endOfFile) ? m_cause : generic;
    CString text;
    text.Format(kCauseTexts[cause], m_strFileName.IsEmpty() ? "(unnamed file)" : m_strFileName.GetString());
    return CopyErrorMessage(text, lpszError, nMaxError);
}

int CFileException::OsErrorToException(LONG lOsError)
{
    for (const OsErrorCause& entry : kOsErrorCauses)
    {
        if (entry.osError == lOsError)
            return entry.cause;
    }
    return generic;
}

void CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName)
{
    AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}
