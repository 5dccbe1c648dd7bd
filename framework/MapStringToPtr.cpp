#include "framework/MapStringToPtr.h"

IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)

CMapStringToPtr::CMapStringToPtr(int nBlockSize)
{
    (void)nBlockSize;
}
