#pragma once

#include <windef.h>

// Free bytes of the drive of a path ("C:\..."); -1 when the path names no drive or the drive
// cannot be asked. 64 bits: drives hold more than 4 GB.
LONGLONG GetDiskFreeBytes(LPCSTR lpszPath);
// FALSE, after a message over the window, when the drive of the path (the current directory
// when null; a bare name counts from it) has less than the bytes required.
BOOL CheckFreeDiskSpace(HWND hWnd, LPCSTR lpszPath, LONGLONG nRequired);
// Letters, digits, blanks and $%'-_@~`!(){}^#&+.,;=[] only, and no device name; an empty name
// is not valid.
BOOL IsValidFileName(LPCSTR lpszName);
// The first character of the name that a file name may not hold; null when there is none.
LPCSTR FindInvalidFileNameChar(LPCSTR lpszName);
// CON, PRN, AUX, NUL, COM1-9 or LPT1-9 in any case, alone or before an extension: such a
// name opens the device, not a file.
BOOL IsReservedDeviceName(LPCSTR lpszName);
// Fills a combo box with the names of the files that match the pattern.
void FillComboWithFiles(HWND hCombo, LPCSTR lpszPattern);
