#pragma once

#include <memory>

#include "forms/HelpContextKeeper.h"
#include "framework/Dialog.h"

class CRecipeImporter;
class TOCListItem;

// File/Import: reads the recipe titles of a file of the chosen type and imports the chosen
// recipes into a chapter of the open cookbook. The importer lives while its type is chosen.
class CImportDlg : public CDialog
{
public:
    explicit CImportDlg(CWnd* pParent = nullptr);
    ~CImportDlg() override;

    BOOL OnInitDialog() override;
    // The importer of the chosen type; null for the types not supported yet.
    CRecipeImporter* GetImporter() const { return m_importer.get(); }

protected:
    DECLARE_MESSAGE_MAP()
    void OnTypeCloseUp();
    void OnSourceChapterCloseUp();
    void OnBrowse();
    void OnReadTitles();
    void OnSelectionChange();
    void OnImportSelected();
    void OnImportAll();
    void OnHelpButton();

private:
    void ChooseType(int nType);
    void FillChapters();
    void ReadTitles(const CString& path);
    void FillSourceChapters();
    void ShowTitles();
    void UpdateSelectionCount();
    // The chapter to import into, confirmed by the user and created when new.
    bool ConfirmChapter(TOCListItem& chapter);
    void ImportSelected();

    int m_type;
    std::unique_ptr<CRecipeImporter> m_importer;
    CHelpContextKeeper m_helpContext;
};
