#pragma once

#include <windef.h>

class CString;

// Shows errors the user must see, captioned "Savorum Message", and keeps each
// one in "log.txt" of the current directory. Error code n names string
// IDS_ERROR_CODE_BASE + n. One instance, reached through g_pErrorReporter.
class CErrorReporter
{
public:
    // nStyle 0 means an exclamation icon with OK. pszDetail (may be null)
    // goes only to the log. Return the message box's result.
    int ShowErrorMessage(int nCode, LPCSTR pszDetail = nullptr, UINT nStyle = 0);
    int ShowErrorText(LPCSTR pszText, LPCSTR pszDetail = nullptr, UINT nStyle = 0);

    // As above, then the process ends with exit code -1.
    [[noreturn]] void ShowFatalErrorMessage(int nCode, LPCSTR pszDetail = nullptr);
    [[noreturn]] void ShowFatalErrorText(LPCSTR pszText, LPCSTR pszDetail = nullptr);

    // Appends one entry; a log over MaxLogSize bytes is started afresh first.
    // A log that cannot be opened is skipped silently.
    void WriteLogEntry(LPCSTR pszText, LPCSTR pszDetail = nullptr);

    // The text of an error code; codes without a text get a general one
    // that names the code.
    static CString GetErrorText(int nCode);

    // The database layer's errors, shown and logged by the one instance.
    static int ReportDatabaseError(const char* pszText, UINT nStyle);

    // The splash belongs to the application; while one is up, it says how to close it.
    static void InstallSplashCloser(void (*pfnCloseSplash)());

    static const long MaxLogSize = 20000;
};

extern CErrorReporter* g_pErrorReporter;
