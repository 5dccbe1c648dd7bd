#include "shell/settings/MediaPath.h"

#include <windows.h>

#include <io.h>

#include "framework/String.h"
#include "res/resource.h"
#include "shell/services/CurrentCookbook.h"
#include "shell/services/PlainMessageBox.h"
#include "shell/settings/ProgramDirectory.h"
#include "shell/settings/SettingsFile.h"

namespace {

CString Load(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

// The parent of the program folder, then "CookBks" and a backslash.
CString MediaRoot()
{
    CString program = CProgramDirectory().GetProgramDirectory();
    program.TrimRight('\\');
    return program.Left(program.ReverseFind('\\') + 1) + Load(IDS_COOKBOOK_FOLDER).Left(16) + "\\";
}

BOOL HasMediaExtension(const CString& name)
{
    const CString ending = name.Right(4);
    for (LPCSTR extension : {".bmp", ".cmp", ".avi", ".wav"})
    {
        if (ending.CompareNoCase(extension) == 0)
            return TRUE;
    }
    return FALSE;
}

}  // namespace

void EnsureTrailingBackslash(CString& path)
{
    if (!path.IsEmpty() && path[path.GetLength() - 1] != '\\')
        path += '\\';
}

int AppendMediaName(CString& dir, LPCSTR lpszName, LPCSTR lpszExtension)
{
    EnsureTrailingBackslash(dir);
    dir += lpszName;
    if (!HasMediaExtension(lpszName) && lpszExtension != nullptr)
        dir += lpszExtension;
    return _access(dir, 0) == 0 ? 0 : -1;
}

void ResolveMediaPath(CString& out, LPCSTR lpszName, LPCSTR lpszExtension)
{
    const CString name(lpszName);
    if (name.Find('\\') >= 0)
    {
        out = name;
        return;
    }
    if (name.Left(1) == "!")
    {
        out = CProgramDirectory().MakeProgramPath("resource\\" + name.Mid(1) + lpszExtension);
        return;
    }
    if (Load(IDS_COOKBOOK_EXTENSION).CompareNoCase(lpszExtension) == 0)
    {
        out = MediaRoot() + name + lpszExtension;
        return;
    }
    CSettingsFile settings;
    settings.GetDataPathSetting(out);
    if (AppendMediaName(out, name, lpszExtension) == 0)
        return;
    settings.ReadCurrentCookbookSetting(IDS_KEY_MEDIAPATH, out);
    AppendMediaName(out, name, lpszExtension);
}

CString GetSettingsFilePath()
{
    return CProgramDirectory().MakeProgramPath(Load(IDS_SETTINGS_FILE));
}

BOOL GetLastUsedCookbook(CString& out)
{
    CSettingsFile settings;
    settings.SetSection(IDS_SECTION_GENERAL);
    settings.GetString(IDS_KEY_LASTUSED, out, 260, "");
    return !out.IsEmpty() && _access(out, 0) == 0;
}

void ShowFirstTimeHelp()
{
    CSettingsFile settings;
    settings.SetSection(IDS_SECTION_GENERAL);
    CString value;
    settings.GetString(IDS_KEY_FIRSTTIME, value, 10, "Yes");
    if (value != "Yes")
        return;
    ShowShellMessageBox(GetActiveWindow(), Load(IDS_FIRST_TIME_HELP), Load(IDS_FIRST_TIME_CAPTION), MB_OK);
    settings.WriteString(IDS_KEY_FIRSTTIME, "No");
}
