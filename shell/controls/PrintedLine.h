#pragma once

#include <windef.h>

// A row object of a print-font list: the text it shows and a value that says how the row is
// drawn, as the item painter's mode (1 a blank spacer, 2 a rule, anything else the text).
class CPrintedLine
{
public:
    virtual LPCSTR LineText() const = 0;
    virtual LONG LineValue() const = 0;

protected:
    ~CPrintedLine() = default;
};
