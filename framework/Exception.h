#pragma once

#include <windef.h>

#include "framework/Object.h"

class CString;

// Base of the framework's exceptions. They are thrown as pointers made with
// new and caught as CException* (or a derived pointer); the catcher owns the
// exception and ends with e->Delete(), never with delete: a few exceptions
// (the memory exception) are static objects that Delete leaves alone.
//
//     try { ... } catch (CException* e) { e->ReportError(); e->Delete(); }
class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE);

    // Copies the message (at most nMaxError - 1 chars and a NUL) into
    // lpszError; FALSE (and an empty text) when the exception has none.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr);
    // Shows the message through AfxMessageBox with style nType (an exclamation
    // box when 0); without a message, string nMessageID, else a general text.
    // Returns the message box's result.
    virtual int ReportError(UINT nType = 0, UINT nMessageID = 0);
    // Destroys the exception unless it is a static one.
    void Delete();

protected:
    // Helper of GetErrorMessage overrides: copies text, truncating, with a NUL.
    static BOOL CopyErrorMessage(const CString& text, LPSTR lpszError, UINT nMaxError);

    BOOL m_bAutoDelete;
};
