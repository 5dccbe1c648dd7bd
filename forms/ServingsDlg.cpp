#include "forms/ServingsDlg.h"

#include <windows.h>
#include <commctrl.h>

#include "framework/String.h"
#include "res/resource.h"
#include "shell/services/HelpService.h"
#include "shell/settings/WindowPlacement.h"

namespace {
constexpr int kMaximumServings = 999;
}

BEGIN_MESSAGE_MAP(CServingsDlg, CDialog)
    ON_EN_CHANGE(IDC_SERVINGS_VALUE, OnServingsChange)
    ON_NOTIFY(UDN_DELTAPOS, IDC_SERVINGS_SPIN, OnSpinDeltaPos)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CServingsDlg::CServingsDlg(CWnd* pParent, int nViewMode, int nStoredServings, int nCurrentServings)
    : CDialog(IDD_SERVINGS, pParent), m_nViewMode(nViewMode), m_nStoredServings(nStoredServings),
      m_nCurrentServings(nCurrentServings), m_nResult(nCurrentServings)
{
}

// A meal plan shown in the recipe view (6) and the Specials list (9) change every recipe.
BOOL CServingsDlg::IsWholeListMode() const
{
    return m_nViewMode == 6 || m_nViewMode == 9;
}

BOOL CServingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    switch (m_nViewMode)
    {
    case 3:
    case 5:
    case 12:
    case 13: m_helpContext.Set(2007); break;
    case 4:
    case 6:
    case 9: m_helpContext.Set(2008); break;
    default: m_helpContext.Save(); break;
    }
    m_servingsEdit.Attach(IDC_SERVINGS_VALUE, this, CNumericSpinEdit::kDigits);
    m_servingsEdit.SetRange(1, kMaximumServings);
    // The text goes in before the radio is checked: its change notice checks "Set to".
    SetDlgItemInt(IDC_SERVINGS_VALUE, static_cast<UINT>(m_nCurrentServings != 0 ? m_nCurrentServings : 1), FALSE);
    CheckRadioButton(IDC_SERVINGS_HALVE, IDC_SERVINGS_RESTORE, IDC_SERVINGS_RESTORE);
    ShowHeading();
    m_servingsEdit.SetSel(0, -1);
    GotoDlgCtrl(&m_servingsEdit);
    CenterWindowOver(this, m_pParentWnd);
    return FALSE;
}

void CServingsDlg::ShowHeading()
{
    CString heading;
    if (IsWholeListMode())
    {
        GetDlgItem(IDC_SERVINGS_HALVE)->EnableWindow(FALSE);
        GetDlgItem(IDC_SERVINGS_DOUBLE)->EnableWindow(FALSE);
        heading.LoadString(IDS_SERVINGS_FOR_MEAL_PLAN);
    }
    else
    {
        CString stored;
        stored.Format("(%d)", m_nStoredServings);
        SetDlgItemText(IDC_SERVINGS_STORED, stored);
        heading.LoadString(IDS_SERVINGS_FOR_RECIPE);
    }
    SetDlgItemText(IDC_SERVINGS_HEADING, heading);
}

void CServingsDlg::OnServingsChange()
{
    CheckRadioButton(IDC_SERVINGS_HALVE, IDC_SERVINGS_RESTORE, IDC_SERVINGS_SET_TO);
}

void CServingsDlg::OnSpinDeltaPos(NMHDR* pHeader, LRESULT* pResult)
{
    m_servingsEdit.SpinFromUpDown(pHeader, pResult);
}

void CServingsDlg::OnOK()
{
    if (IsDlgButtonChecked(IDC_SERVINGS_HALVE))
        m_nResult = m_nStoredServings / 2;
    else if (IsDlgButtonChecked(IDC_SERVINGS_DOUBLE))
        m_nResult = m_nStoredServings * 2;
    else if (IsDlgButtonChecked(IDC_SERVINGS_SET_TO))
    {
        const int nTyped = static_cast<int>(GetDlgItemInt(IDC_SERVINGS_VALUE, nullptr, FALSE));
        if (nTyped > kMaximumServings)
            return;
        m_nResult = nTyped;
    }
    else
        m_nResult = m_nStoredServings;
    EndDialog(IDOK);
}

void CServingsDlg::OnCancel()
{
    m_nResult = m_nCurrentServings;
    CDialog::OnCancel();
}

void CServingsDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CServingsDlg::OnDestroy()
{
    m_helpContext.Restore();
    CWnd::OnDestroy();
}
