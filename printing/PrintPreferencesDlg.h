#pragma once

#include "framework/Dialog.h"
#include "shell/settings/AppSettings.h"

// File/Print Preferences: the recipe printing template and what printouts include. The
// dialog edits a copy of the print record; its caller copies the preferences back only when
// it ends with OK.
class CPrintPreferencesDlg : public CDialog
{
public:
    // Starts from the settings' print record.
    CPrintPreferencesDlg();
    ~CPrintPreferencesDlg() override;

    BOOL OnInitDialog() override;
    // The template and the six flags, each flag stored as exactly 0 or 1.
    void CopyPreferencesTo(PrintSettings& record) const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()
    void OnHelpButton();

private:
    int m_printTemplate;
    int m_recipesInRecipes;
    int m_includeNutrition;
    int m_onePerPage;
    int m_bookRecipes;
    int m_menuNutrition;
    int m_menuRecipes;
    UINT m_previousHelpContext;
    bool m_helpContextSet;
};
