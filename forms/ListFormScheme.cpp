#include "forms/ListFormScheme.h"

#include <windows.h>

#include "framework/DC.h"
#include "framework/Wnd.h"
#include "res/resource.h"

namespace {

const UINT kColourIds[] = {IDS_LIST_FORM_BACKGROUND, IDS_LIST_FORM_STATIC_TEXT, IDS_LIST_FORM_LIST_BACKGROUND,
                           IDS_LIST_FORM_HIGHLIGHT, IDS_LIST_FORM_LIST_TEXT};
const int kColourCount = sizeof kColourIds / sizeof kColourIds[0];

}  // namespace

CListFormScheme::CListFormScheme() : m_colors(kColourIds, kColourCount)
{
    m_background.CreateSolidBrush(GetColour(kBackground));
    m_listBackground.CreateSolidBrush(GetColour(kListBackground));
}

HBRUSH CListFormScheme::ControlBrush(CDC* pDC, const CWnd* pWnd, const CWnd* pForm, UINT nCtlColor,
                                     BOOL bListText) const
{
    switch (nCtlColor)
    {
    case CTLCOLOR_LISTBOX:
        if (bListText)
        {
            ::SetTextColor(pDC->m_hDC, GetColour(kListText));
            ::SetBkMode(pDC->m_hDC, TRANSPARENT);
        }
        return m_listBackground;
    case CTLCOLOR_STATIC:
        ::SetTextColor(pDC->m_hDC, GetColour(kStaticText));
        ::SetBkMode(pDC->m_hDC, TRANSPARENT);
        return m_background;
    default: return pWnd != nullptr && pWnd->m_hWnd == pForm->m_hWnd ? static_cast<HBRUSH>(m_background) : nullptr;
    }
}
