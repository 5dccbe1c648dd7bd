#pragma once

#include "framework/MDIChildWnd.h"

// The borderless child frame of a form: it fills the main frame's client area below the tool
// bar. Deletes itself when its window is destroyed.
class CGenericFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CGenericFrame)
protected:
    BOOL PreCreateWindow(tagCREATESTRUCTA& cs) override;
};
