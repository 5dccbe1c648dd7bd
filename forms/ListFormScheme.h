#pragma once

#include <windef.h>

#include "framework/Brush.h"
#include "shell/graphics/FormColors.h"

class CDC;
class CWnd;

// The colour scheme the list forms and the shopping form share,
// and the brushes their controls are painted on.
class CListFormScheme
{
public:
    enum Entry
    {
        kBackground = 0,
        kStaticText = 1,
        kListBackground = 2,
        kHighlight = 3,
        kListText = 4,
    };

    CListFormScheme();
    COLORREF GetColour(Entry entry) const { return m_colors.GetColour(entry); }
    // The brush a control of pForm is painted on, with its text colour set, or null for a
    // control the form leaves to the framework. bListText: the lists' text takes the scheme's
    // colour (a list that draws its own rows leaves it).
    HBRUSH ControlBrush(CDC* pDC, const CWnd* pWnd, const CWnd* pForm, UINT nCtlColor, BOOL bListText) const;
    HBRUSH GetBackgroundBrush() const { return m_background; }

private:
    CFormColors m_colors;
    CBrush m_background;
    CBrush m_listBackground;
};
