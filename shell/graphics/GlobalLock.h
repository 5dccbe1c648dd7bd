#pragma once

#include <windows.h>

// Keeps a movable global block locked for its own lifetime.
class CGlobalLock
{
public:
    explicit CGlobalLock(HGLOBAL hGlobal) : m_hGlobal(hGlobal), m_p(static_cast<BYTE*>(::GlobalLock(hGlobal))) {}
    ~CGlobalLock()
    {
        if (m_p)
            ::GlobalUnlock(m_hGlobal);
    }
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;
    BYTE* Get() const { return m_p; }

private:
    HGLOBAL m_hGlobal;
    BYTE* m_p;
};
