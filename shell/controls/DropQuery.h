#pragma once

#include <windef.h>

// "WM_DROPQUERY": asks a window whether it takes a dragged row or a drop on a button; it
// answers the command number to perform (above 0) or 0. Both parameters are 0. Registered
// while the program's statics are made, so message maps built earlier see the real number.
UINT GetDropQueryMessage();
extern const UINT g_nDropQueryMessage;

// The answer of the window under a screen point, 0 when there is none, it answers nothing
// or it belongs to another program (whose command numbers mean nothing here).
LRESULT AskDropTarget(POINT screenPoint);

// Ends a drag: frees the mouse, shows the arrow again, and returns what the window under the
// screen point answers (as AskDropTarget).
LRESULT EndDragAt(POINT screenPoint);

// The drag cursor of the program's resources: IDC_DRAG_ROW where a drop is taken, else
// IDC_NO_DROP.
void ShowDragCursor(UINT cursorId);

// The form the user is on, as the drop targets need it: the form manager's, unless a provider
// is set (tests set one to stand in for the forms).
struct DropFormState
{
    int formKind;
    int contentsMode;
};
using DropFormStateProvider = DropFormState (*)();
void SetDropFormStateProvider(DropFormStateProvider provider);
DropFormState GetDropFormState();

// What a drop target with this command answers on the current form. Only the Frequent Items
// and Pantry tool-bar buttons take drops on the shopping form.
LRESULT AnswerDropQuery(LONG command, bool isToolbarButton);
