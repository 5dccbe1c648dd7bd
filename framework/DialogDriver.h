#pragma once

#include <functional>
#include <vector>
#include <windef.h>

class CDialog;
class CWnd;

// Test hook for dialogs. A test queues an action for a dialog template id;
// when a dialog of that id opens (modal or modeless), the action runs from
// the dialog's own message loop with the dialog up and initialised: it can
// fill fields, read them and press buttons. Common dialogs (file, font,
// print) open no window while driven: their action fills in the result and
// ends them with EndDialog.
//
// While armed, a modal or common dialog that opens with no action queued is
// cancelled at once and its id recorded, so that a test never waits for a user.
class CDialogDriver
{
public:
    using Action = std::function<void(CDialog& dialog)>;

    // Actions for one id run in the order queued, one per opening.
    static void OnOpen(UINT nIDTemplate, Action action);
    static void Arm(BOOL bArmed);
    // Drops the queued actions and the record, and disarms.
    static void Reset();
    static BOOL HasPendingActions();
    static const std::vector<UINT>& GetUnexpectedDialogs();

    // Presses a button of the dialog as a click would.
    static void Press(CWnd& dialog, int nIDButton);

    // From the framework.
    static UINT s_nActionMessage;
    static void DialogOpened(CDialog& dialog, BOOL bModal);
    static void RunAction(CDialog& dialog);
    // TRUE when the driver ran the common dialog in place of the system's.
    static BOOL DriveCommonDialog(CDialog& dialog, UINT nIDTemplate);
};
