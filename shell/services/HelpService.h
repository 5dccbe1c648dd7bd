#pragma once

#include <windef.h>

// Every Help entry of the program goes through here: a missing help file is reported in a
// message box instead of the help engine's own blocking one.
// The context of F1 and of a common dialog's Help button; returns the previous one.
UINT SetHelpContext(UINT nContext);
UINT GetHelpContext();
// Opens the help file named by string nFileId (in the program directory).
BOOL ShowHelp(UINT nCommand, ULONG_PTR dwData, UINT nFileId);
