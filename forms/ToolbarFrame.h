#pragma once

#include "framework/MDIChildWnd.h"

// The borderless frame of the tool bar at the top of the main frame's client area; the tool
// bar sizes it to its buttons. Deletes itself when its window is destroyed.
class CToolbarFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CToolbarFrame)
protected:
    BOOL PreCreateWindow(tagCREATESTRUCTA& cs) override;
};
