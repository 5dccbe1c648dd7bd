#include "listctl/ListClass.h"

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    switch (reason)
    {
    case DLL_PROCESS_ATTACH: return CListClass::Register(module);
    case DLL_PROCESS_DETACH: CListClass::Unregister(); return TRUE;
    }
    return TRUE;
}
