#include "shell/services/WaitCursor.h"

#include <windows.h>

namespace {
int s_nDepth = 0;
HCURSOR s_hPreviousCursor = nullptr;

void BeginWait()
{
    if (s_nDepth++ > 0)
        return;
    s_hPreviousCursor = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    ::ShowCursor(TRUE);
}

void EndWait()
{
    if (s_nDepth == 0 || --s_nDepth > 0)
        return;
    ::ShowCursor(FALSE);
    ::SetCursor(s_hPreviousCursor);
    s_hPreviousCursor = nullptr;
}
}  // namespace

void SetWaitCursor(int nOn)
{
    if (nOn == 1)
        BeginWait();
    else if (nOn == 0)
        EndWait();
}
