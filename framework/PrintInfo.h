#pragma once

#include <windef.h>

// One print job of the framework: its device context, and a slot in which the job's output
// records itself so that the page painting can reach it.
class CPrintInfo
{
public:
    HDC m_hDC = nullptr;
    void* m_lpUserData = nullptr;
};
