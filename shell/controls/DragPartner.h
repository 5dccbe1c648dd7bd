#pragma once

#include <windef.h>

// What a form lends a list that rows may be dragged out of: whether the current selection
// may be dragged now.
class CDragPartner
{
public:
    virtual BOOL CanDragSelection() = 0;

protected:
    ~CDragPartner() = default;
};
