#include "shell/services/ErrorReporter.h"

#include <windows.h>

#include <cstdio>
#include <ctime>

#include "framework/String.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "shell/services/PlainMessageBox.h"

CErrorReporter* g_pErrorReporter = nullptr;

namespace {
const char s_szLogFile[] = "log.txt";
// Codes 3 to 5 were never given a text.
const int s_nLastErrorCode = 21;

void StartNewLogWhenTooLarge()
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(s_szLogFile, GetFileExInfoStandard, &data))
        return;
    if (data.nFileSizeHigh != 0 || data.nFileSizeLow > static_cast<DWORD>(CErrorReporter::MaxLogSize))
        ::DeleteFileA(s_szLogFile);
}

// "mm/dd/yy hh:mm:ss", as the C library's short date and time forms.
CString CurrentDateAndTime()
{
    const std::time_t now = std::time(nullptr);
    char szStamp[32] = "";
    if (const std::tm* pLocal = std::localtime(&now))
        std::strftime(szStamp, sizeof szStamp, "%m/%d/%y %H:%M:%S", pLocal);
    return szStamp;
}

BOOL CALLBACK DestroyTopLevelWindow(HWND hWnd, LPARAM)
{
    ::DestroyWindow(hWnd);
    return TRUE;
}

void (*s_pfnCloseSplash)() = nullptr;

[[noreturn]] void EndAfterFatalError()
{
    // The windows go first, so that their tear-down releases the program's
    // objects in order; exit() would run the static destructors beneath
    // windows that are still alive. The log is closed by now.
    ::EnumThreadWindows(::GetCurrentThreadId(), DestroyTopLevelWindow, 0);
    ::ExitProcess(static_cast<UINT>(-1));
}
}  // namespace

void CErrorReporter::InstallSplashCloser(void (*pfnCloseSplash)())
{
    s_pfnCloseSplash = pfnCloseSplash;
}

CString CErrorReporter::GetErrorText(int nCode)
{
    CString text;
    if (nCode >= 0 && nCode <= s_nLastErrorCode && text.LoadString(IDS_ERROR_CODE_BASE + nCode))
        return text;
    CString format;
    format.LoadString(IDS_ERROR_UNKNOWN_CODE);
    text.Format(format, nCode);
    return text;
}

int CErrorReporter::ShowErrorMessage(int nCode, LPCSTR pszDetail, UINT nStyle)
{
    return ShowErrorText(GetErrorText(nCode), pszDetail, nStyle);
}

int CErrorReporter::ReportDatabaseError(const char* pszText, UINT nStyle)
{
    if (g_pErrorReporter == nullptr)
        g_pErrorReporter = new CErrorReporter;
    return g_pErrorReporter->ShowErrorText(pszText, nullptr, nStyle);
}

int CErrorReporter::ShowErrorText(LPCSTR pszText, LPCSTR pszDetail, UINT nStyle)
{
    if (nStyle == 0)
        nStyle = MB_ICONEXCLAMATION | MB_OK;
    CString caption;
    caption.LoadString(IDS_ERROR_CAPTION);
    // The topmost splash would hide the box; owned by the frame, the box keeps the user from
    // starting a command while it is up.
    if (s_pfnCloseSplash != nullptr)
        s_pfnCloseSplash();
    const CWnd* pMain = AfxGetMainWnd();
    const int nResult = ShowShellMessageBox(pMain != nullptr ? pMain->m_hWnd : nullptr, pszText, caption, nStyle);
    WriteLogEntry(pszText, pszDetail);
    return nResult;
}

void CErrorReporter::ShowFatalErrorMessage(int nCode, LPCSTR pszDetail)
{
    ShowErrorMessage(nCode, pszDetail);
    EndAfterFatalError();
}

void CErrorReporter::ShowFatalErrorText(LPCSTR pszText, LPCSTR pszDetail)
{
    ShowErrorText(pszText, pszDetail);
    EndAfterFatalError();
}

void CErrorReporter::WriteLogEntry(LPCSTR pszText, LPCSTR pszDetail)
{
    StartNewLogWhenTooLarge();
    std::FILE* pLog = std::fopen(s_szLogFile, "a");
    if (!pLog)
        return;
    std::fprintf(pLog, "Logged on %s\n", CurrentDateAndTime().GetString());
    std::fprintf(pLog, "%s\n", pszText ? pszText : "");
    if (pszDetail)
        std::fprintf(pLog, "%s\n", pszDetail);
    std::fputs("\n", pLog);
    std::fclose(pLog);
}
