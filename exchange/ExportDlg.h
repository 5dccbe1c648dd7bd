#pragma once

#include "forms/HelpContextKeeper.h"
#include "framework/Dialog.h"

// File/Export: writes chosen recipes of a chapter to a file in one of the export formats. The
// file and format are the dialog's own: no print setting changes.
class CExportDlg : public CDialog
{
public:
    explicit CExportDlg(CWnd* pParent = nullptr);
    ~CExportDlg() override;

    BOOL OnInitDialog() override;

protected:
    DECLARE_MESSAGE_MAP()
    void OnTypeCloseUp();
    void OnChapterCloseUp();
    void OnSelectionChange();
    void OnBrowse();
    void OnExportSelected();
    void OnExportAll();
    void OnHelpButton();

private:
    void ChooseType(int nType);
    void FillChapters();
    void ListRecipes();
    void UpdateSelectionCount();
    // The file named in the dialog; a bare name lies in the current directory.
    CString GetExportPath() const;
    void ExportRecipes(const CString& path, int nSelected);

    int m_type;
    CHelpContextKeeper m_helpContext;
};
