#pragma once

#include <memory>

#include "database/RefItemArray.h"
#include "database/RefListItem.h"
#include "forms/HelpContextKeeper.h"
#include "framework/Dialog.h"
#include "framework/TabCtrl.h"

class CPictureWnd;
struct tagNMHDR;

// Edit/References: adds, changes and deletes the cookbook's topics and photos. Each tab lists all
// references of its kind.
class CEditRefDlg : public CDialog
{
public:
    enum Tab
    {
        kPhotoTab,
        kInfoTab
    };

    explicit CEditRefDlg(CWnd* pParent = nullptr);
    ~CEditRefDlg() override;

    BOOL OnInitDialog() override;

protected:
    DECLARE_MESSAGE_MAP()
    void OnTabChange(tagNMHDR* pHeader, LRESULT* pResult);
    void OnReferenceSelected();
    void OnFieldChange();
    void OnEdit();
    void OnAdd();
    void OnDelete();
    void OnSave();
    void OnHelpButton();
    void OnDestroy();

private:
    enum Mode
    {
        kBrowsing,
        kEditing,
        kAdding,
        kDeleting
    };

    BOOL IsPhotoTab() const;
    int ListId() const;
    void ShowTab();
    void FillList();
    void ShowReference(const RefListItem& reference);
    void ShowPicture(const CString& fileName);
    void ClearFields();
    void SetFieldsWritable(BOOL bName, BOOL bContent);
    // Puts text into a field without counting it as typed.
    void PutText(int nId, LPCSTR lpszText);
    // Offers to save what was typed; cleared either way.
    void CheckPending();
    BOOL SaveEdited();
    BOOL SaveAdded();
    BOOL Refuse(UINT nId);

    CTabCtrl m_tabs;
    std::unique_ptr<CPictureWnd> m_picture;
    CHelpContextKeeper m_helpContext;
    CRefItemArray m_references;
    RefListItem m_current;
    CString m_fileName;
    Mode m_mode = kBrowsing;
    BOOL m_bChanged = FALSE;
};
