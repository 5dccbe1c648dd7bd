#pragma once

#include <windef.h>

class CString;
class CWnd;

// Which cookbook the program works on: the one named on the command line, the last one used,
// the default "Cookbook", or one the user picks. Each replaces the current database object and
// shows the start form of the cookbook opened.
BOOL OpenStartupCookbook(CWnd* pParent);
BOOL OpenCookbookFromPath(CWnd* pParent, const CString& path);
BOOL PromptAndOpenCookbook();
// The database path ("DBQ=", else "DefaultDir=") of a connect string and the cookbook name (its
// file name without extension). FALSE when the string has neither key.
BOOL GetConnectStringDirectory(const CString& connect, CString& path, CString& name);
// "Savorum - <name>" as the main window's title; the name becomes the current cookbook name.
void SetCookbookTitle(const CString& name);
// A command line as a path: blanks around it and the quotes of a path with blanks removed.
CString CommandLinePath(const CString& commandLine);
