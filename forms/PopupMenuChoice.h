#pragma once

#include <windef.h>

#include <functional>

class CMenu;
class CWnd;

// A popup menu runs a message loop of its own, which nothing outside can drive. The forms' popups
// are tracked here: the command chosen reaches the owner as a posted WM_COMMAND, as from a menu
// tracked without TPM_RETURNCMD, and a test may choose in the user's place.

// Answers the command chosen from the menu, or 0 when none was.
using PopupChooser = std::function<UINT(CMenu& menu)>;

// An empty chooser gives the choice back to the user.
void SetPopupChooser(PopupChooser chooser);
void TrackPopupAndPost(CMenu& menu, int x, int y, CWnd* pOwner);
