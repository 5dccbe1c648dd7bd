#pragma once

#include "forms/HelpContextKeeper.h"
#include "forms/NumericSpinEdit.h"
#include "framework/Dialog.h"

// Number of Servings: the servings at which a recipe, or every recipe of a meal plan or of the
// Specials list, is shown. It only works out the number; the caller applies it.
class CServingsDlg : public CDialog
{
public:
    // nViewMode: the mode the calling view was opened with (9 for the Specials list).
    CServingsDlg(CWnd* pParent, int nViewMode, int nStoredServings, int nCurrentServings);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // The chosen servings after OK; the current servings after Cancel.
    int GetResult() const { return m_nResult; }

protected:
    DECLARE_MESSAGE_MAP()
    void OnServingsChange();
    void OnSpinDeltaPos(tagNMHDR* pHeader, LRESULT* pResult);
    void OnHelpButton();
    void OnDestroy();

private:
    BOOL IsWholeListMode() const;
    void ShowHeading();

    int m_nViewMode;
    int m_nStoredServings;
    int m_nCurrentServings;
    int m_nResult;
    CNumericSpinEdit m_servingsEdit;
    CHelpContextKeeper m_helpContext;
};
