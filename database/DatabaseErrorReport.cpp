#include "database/DatabaseErrorReport.h"

#include "framework/AfxMessageBox.h"

namespace {
CDatabaseErrorReport::Reporter s_reporter = nullptr;
}

CDatabaseErrorReport::Reporter CDatabaseErrorReport::Install(Reporter reporter)
{
    const Reporter previous = s_reporter;
    s_reporter = reporter;
    return previous;
}

int CDatabaseErrorReport::Show(const char* text, UINT nStyle)
{
    if (s_reporter != nullptr)
        return s_reporter(text, nStyle);
    return AfxMessageBox(text, nStyle);
}
