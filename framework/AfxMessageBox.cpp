#include "framework/AfxMessageBox.h"

#include <windows.h>

#include "framework/String.h"

namespace {

const UINT kProductNameId = 24851;

AfxMessageBoxHandler& Handler()
{
    static AfxMessageBoxHandler handler = nullptr;
    return handler;
}

}  // namespace

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    return AfxShowMessageBox(GetActiveWindow(), lpszText, nullptr, nType);
}

int AfxShowMessageBox(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    CString caption = lpszCaption;
    if (lpszCaption == nullptr && !caption.LoadString(kProductNameId))
        caption = "Savorum";
    const UINT style = nType != 0 ? nType : MB_OK;
    if (Handler() != nullptr)
        return Handler()(hOwner, lpszText, caption, style);
    return MessageBoxA(hOwner, lpszText, caption, style);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp);
}

AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler pfnHandler)
{
    AfxMessageBoxHandler previous = Handler();
    Handler() = pfnHandler;
    return previous;
}
