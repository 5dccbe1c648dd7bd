#include "framework/CommonControls.h"

#include <windows.h>
#include <commctrl.h>

void RegisterCommonControls()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
}
