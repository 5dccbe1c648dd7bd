#pragma once

#include <windef.h>

class CString;

// Where the program's media and picture files are found.

// A name with a backslash is used as it is. "!NAME" is a picture of the program's resource
// folder; a cookbook name (".TWS") lies in the cookbook folder beside the program folder; any
// other file is looked for in the current cookbook's DataPath, then its MediaPath.
void ResolveMediaPath(CString& out, LPCSTR lpszName, LPCSTR lpszExtension);
// dir + "\" + name (+ extension unless the name already ends in a media extension); 0 when
// that file exists, -1 when it does not.
int AppendMediaName(CString& dir, LPCSTR lpszName, LPCSTR lpszExtension);
void EnsureTrailingBackslash(CString& path);
CString GetSettingsFilePath();
// "LastUsed" of "General"; TRUE only when it names an existing file.
BOOL GetLastUsedCookbook(CString& out);
// The one-time hint of the recipe editing form.
void ShowFirstTimeHelp();
