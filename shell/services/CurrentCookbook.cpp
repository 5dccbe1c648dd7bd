#include "shell/services/CurrentCookbook.h"

#include "framework/String.h"

namespace {
CString& CurrentCookbookName()
{
    static CString s_name;
    return s_name;
}
}  // namespace

const CString& GetCurrentCookbookName()
{
    return CurrentCookbookName();
}

void SetCurrentCookbookName(LPCSTR pszName)
{
    CurrentCookbookName() = pszName;
}
