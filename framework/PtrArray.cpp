#include "framework/PtrArray.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
