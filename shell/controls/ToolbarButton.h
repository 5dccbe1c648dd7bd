#pragma once

#include "framework/BitmapButton.h"

// A picture button of the tool bar: pressing it first tidies the Window menu.
class CToolbarButton : public CBitmapButton
{
    DECLARE_DYNCREATE(CToolbarButton)

protected:
    DECLARE_MESSAGE_MAP()
    void OnLButtonDown(UINT nFlags, CPoint point);
};
