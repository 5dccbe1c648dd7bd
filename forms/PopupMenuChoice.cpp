#include "forms/PopupMenuChoice.h"

#include <windows.h>

#include <utility>

#include "framework/Menu.h"
#include "framework/Wnd.h"

namespace {

PopupChooser& Chooser()
{
    static PopupChooser chooser;
    return chooser;
}

}  // namespace

void SetPopupChooser(PopupChooser chooser)
{
    Chooser() = std::move(chooser);
}

void TrackPopupAndPost(CMenu& menu, int x, int y, CWnd* pOwner)
{
    const UINT command =
        Chooser()
            ? Chooser()(menu)
            : static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, pOwner));
    if (command != 0)
        pOwner->PostMessage(WM_COMMAND, command, 0);
}
