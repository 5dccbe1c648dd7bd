#include "framework/MapWordToPtr.h"

IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)

CMapWordToPtr::CMapWordToPtr(int nBlockSize)
{
    (void)nBlockSize;
}
