#pragma once

#include <windef.h>

class CString;

// The name (file name without directory and extension) of the cookbook in
// use; it also names the cookbook's own section of the settings file. Empty
// until a cookbook is opened.
const CString& GetCurrentCookbookName();
void SetCurrentCookbookName(LPCSTR pszName);
