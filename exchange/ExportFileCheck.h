#pragma once

#include <windef.h>

class CString;

// Whether the export may write the file: FALSE, after its message, when it must not. An
// existing file is overwritten only when the user says Yes; a new name must hold only the
// characters a file name may and must be creatable.
BOOL CheckExportFile(HWND hWnd, const CString& path);
