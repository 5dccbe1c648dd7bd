#include "shell/services/HelpService.h"

#include <windows.h>

#include "framework/AfxMessageBox.h"
#include "framework/String.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "shell/settings/ProgramDirectory.h"

namespace {
UINT s_helpContext = 0;
}

UINT SetHelpContext(UINT nContext)
{
    const UINT previous = s_helpContext;
    s_helpContext = nContext;
    return previous;
}

UINT GetHelpContext()
{
    return s_helpContext;
}

BOOL ShowHelp(UINT nCommand, ULONG_PTR dwData, UINT nFileId)
{
    CString name;
    name.LoadString(nFileId);
    const CString path = CProgramDirectory().MakeProgramPath(name);
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
    {
        CString prompt;
        prompt.LoadString(IDS_HELP_FILE_MISSING);
        CString text;
        text.Format(prompt, static_cast<LPCSTR>(path));
        AfxMessageBox(text, MB_ICONEXCLAMATION);
        return FALSE;
    }
    CWnd* pMain = AfxGetMainWnd();
    return ::WinHelpA(pMain != nullptr ? pMain->m_hWnd : nullptr, path, nCommand, dwData);
}
