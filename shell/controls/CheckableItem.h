#pragma once

#include <windef.h>

// A list row object that carries a check mark (non-zero = checked).
class CCheckableItem
{
public:
    virtual LONG& CheckMark() = 0;

protected:
    ~CCheckableItem() = default;
};
