#include "shell/formbase/NavStack.h"

#include "shell/formbase/NavEntry.h"

CNavStack::~CNavStack()
{
    Clear();
}

CNavEntry* CNavStack::Push(const CString& name, long value, long kind)
{
    auto* pEntry = new CNavEntry(name, value, kind);
    AddTail(pEntry);
    return pEntry;
}

CNavEntry* CNavStack::Pop()
{
    if (!IsEmpty())
        delete static_cast<CNavEntry*>(RemoveTail());
    return Top();
}

CNavEntry* CNavStack::Top() const
{
    return IsEmpty() ? nullptr : static_cast<CNavEntry*>(GetTail());
}

void CNavStack::Clear()
{
    while (!IsEmpty())
        Pop();
}
