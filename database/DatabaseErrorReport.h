#pragma once

#include <windef.h>

// Shows a database error to the user. The database layer has no windows, so the shell installs
// the reporter that shows the text and keeps it in its log; with none installed (tools, tests)
// a plain message box shows it.
class CDatabaseErrorReport
{
public:
    typedef int (*Reporter)(const char* text, UINT nStyle);

    // Returns the reporter it replaces (null for none).
    static Reporter Install(Reporter reporter);
    // The box's result.
    static int Show(const char* text, UINT nStyle);
};
