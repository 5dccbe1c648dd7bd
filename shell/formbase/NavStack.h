#pragma once

#include "framework/ObList.h"

class CNavEntry;
class CString;

// The navigation history, newest entry last. Owns its entries.
class CNavStack : public CObList
{
public:
    CNavStack() : CObList(10) {}
    ~CNavStack() override;
    CNavStack(const CNavStack&) = delete;
    CNavStack& operator=(const CNavStack&) = delete;

    CNavEntry* Push(const CString& name, long value, long kind);
    // Deletes the newest entry; the new newest one, or null when none is left.
    CNavEntry* Pop();
    CNavEntry* Top() const;
    void Clear();
};
