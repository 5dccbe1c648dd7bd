#include "framework/ArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

namespace {
// Indexed by cause; %s is the file name.
const char* const kCauseTexts[] = {
    "No error.",
    "An unexpected error occurred in %s.",
    "%s was opened for reading and cannot be written.",
    "%s ends too early: it is damaged or incomplete.",
    "%s was opened for writing and cannot be read.",
    "%s is damaged: it refers to data it does not contain.",
    "%s holds a kind of data this program does not know.",
    "%s was written by another version of the program.",
};
}  // namespace

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName) : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    const int cause = (m_cause >= none && m_cause <= badSchema) ? m_cause : generic;
    CString text;
    text.Format(kCauseTexts[cause], m_strFileName.IsEmpty() ? "(unnamed file)" : m_strFileName.GetString());
    return CopyErrorMessage(text, lpszError, nMaxError);
}

void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
