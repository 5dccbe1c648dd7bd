#include "forms/EditRefDlg.h"

#include <windows.h>

#include <commctrl.h>

#include "database/CookbookDatabase.h"
#include "forms/PictureWnd.h"
#include "exchange/ResourceText.h"
#include "forms/ReferenceEntry.h"
#include "framework/Edit.h"
#include "framework/String.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/WindowPlacement.h"

namespace {

constexpr UINT PhotoHelpContext = 2039;
constexpr UINT InfoHelpContext = 2038;

// The tab shown when the dialog last closed.
int s_nShownTab = CEditRefDlg::kInfoTab;

constexpr int PhotoControls[] = {IDC_REF_MEDIA_TYPES, IDC_REF_MEDIA_PHOTO, IDC_REF_MEDIA_VIDEO, IDC_REF_PHOTOS_LABEL,
                                 IDC_REF_PHOTOS};
constexpr int InfoControls[] = {IDC_REF_TOPICS_LABEL, IDC_REF_TOPICS, IDC_REF_CONTENT};
constexpr int TabControls[] = {IDC_REF_MEDIA_TYPES,  IDC_REF_MEDIA_PHOTO,  IDC_REF_MEDIA_VIDEO,
                               IDC_REF_MEDIA_SOUND,  IDC_REF_PHOTOS_LABEL, IDC_REF_PHOTOS,
                               IDC_REF_TOPICS_LABEL, IDC_REF_TOPICS,       IDC_REF_CONTENT};

}  // namespace

BEGIN_MESSAGE_MAP(CEditRefDlg, CDialog)
    ON_NOTIFY(TCN_SELCHANGE, IDC_REF_TABS, OnTabChange)
    ON_LBN_SELCHANGE(IDC_REF_TOPICS, OnReferenceSelected)
    ON_LBN_SELCHANGE(IDC_REF_PHOTOS, OnReferenceSelected)
    ON_EN_CHANGE(IDC_REF_NAME, OnFieldChange)
    ON_EN_CHANGE(IDC_REF_CONTENT, OnFieldChange)
    ON_BN_CLICKED(IDC_REF_EDIT, OnEdit)
    ON_BN_CLICKED(IDC_REF_ADD, OnAdd)
    ON_BN_CLICKED(IDC_REF_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_REF_SAVE, OnSave)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CEditRefDlg::CEditRefDlg(CWnd* pParent) : CDialog(IDD_EDIT_REFERENCES, pParent) {}

CEditRefDlg::~CEditRefDlg() = default;

BOOL CEditRefDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_helpContext.Save();
    m_picture = MakePictureOverContent(*this);
    m_tabs.SubclassDlgItem(IDC_REF_TABS, this);
    m_tabs.InsertItem(kPhotoTab, LoadResourceText(IDS_REF_TAB_PHOTO));
    m_tabs.InsertItem(kInfoTab, LoadResourceText(IDS_REF_TAB_INFO));
    m_tabs.SetCurSel(s_nShownTab);
    CheckRadioButton(IDC_REF_MEDIA_PHOTO, IDC_REF_MEDIA_SOUND, IDC_REF_MEDIA_PHOTO);
    ShowTab();
    CenterWindowOver(this, m_pParentWnd);
    return TRUE;
}

BOOL CEditRefDlg::IsPhotoTab() const
{
    return s_nShownTab == kPhotoTab;
}

int CEditRefDlg::ListId() const
{
    return IsPhotoTab() ? IDC_REF_PHOTOS : IDC_REF_TOPICS;
}

void CEditRefDlg::OnTabChange(tagNMHDR*, LRESULT* pResult)
{
    CheckPending();
    s_nShownTab = m_tabs.GetCurSel();
    ShowTab();
    *pResult = 0;
}

void CEditRefDlg::ShowTab()
{
    ShowControls(*this, TabControls, SW_HIDE);
    m_picture->ShowWindow(SW_HIDE);
    if (IsPhotoTab())
        ShowControls(*this, PhotoControls, SW_SHOW);
    else
        ShowControls(*this, InfoControls, SW_SHOW);
    m_helpContext.Set(IsPhotoTab() ? PhotoHelpContext : InfoHelpContext);
    SetDlgItemText(IDC_REF_NAME_LABEL, IsPhotoTab() ? "Photo &Name:" : "Topic &Name:");
    SetDlgItemText(IDC_REF_CONTENT_LABEL, IsPhotoTab() ? "Filename:" : "Te&xt:");
    FillList();
    ClearFields();
    SetFieldsWritable(FALSE, FALSE);
    m_mode = kBrowsing;
    for (int nId : {IDC_REF_EDIT, IDC_REF_DELETE, IDC_REF_SAVE})
        GetDlgItem(nId)->EnableWindow(FALSE);
}

void CEditRefDlg::FillList()
{
    if (CCookbookDatabase* pDatabase = GetCurrentDatabase())
        pDatabase->LoadReferencesByType(m_references, IsPhotoTab() ? 'P' : 'T');
    FillReferenceList(*GetDlgItem(ListId()), m_references, IsPhotoTab() ? 'P' : 'T');
}

void CEditRefDlg::ClearFields()
{
    PutText(IDC_REF_NAME, "");
    PutText(IDC_REF_CONTENT, "");
    m_fileName.Empty();
    if (IsPhotoTab())
        SetDlgItemText(IDC_REF_CONTENT_LABEL, "Filename:");
    m_picture->ShowWindow(SW_HIDE);
}

void CEditRefDlg::SetFieldsWritable(BOOL bName, BOOL bContent)
{
    GetDlgItem(IDC_REF_NAME)->SendMessage(EM_SETREADONLY, !bName);
    GetDlgItem(IDC_REF_CONTENT)->SendMessage(EM_SETREADONLY, !bContent);
}

void CEditRefDlg::PutText(int nId, LPCSTR lpszText)
{
    const BOOL bChanged = m_bChanged;
    SetDlgItemText(nId, lpszText);
    m_bChanged = bChanged;
}

void CEditRefDlg::OnReferenceSelected()
{
    CheckPending();
    const RefListItem* pReference = SelectedReference(*GetDlgItem(ListId()), m_references);
    if (!pReference)
        return;
    m_current = *pReference;
    m_mode = kBrowsing;
    SetFieldsWritable(FALSE, FALSE);
    ShowReference(m_current);
    GetDlgItem(IDC_REF_EDIT)->EnableWindow(TRUE);
    GetDlgItem(IDC_REF_DELETE)->EnableWindow(TRUE);
}

void CEditRefDlg::ShowReference(const RefListItem& reference)
{
    PutText(IDC_REF_NAME, reference.m_name);
    if (IsPhotoTab())
        ShowPicture(reference.m_content);
    else
        PutText(IDC_REF_CONTENT, reference.m_content);
}

void CEditRefDlg::ShowPicture(const CString& fileName)
{
    m_fileName = fileName;
    ShowPhotoEntry(*this, *m_picture, fileName);
}

void CEditRefDlg::OnFieldChange()
{
    m_bChanged = TRUE;
}

void CEditRefDlg::OnEdit()
{
    CheckPending();
    if (m_current.m_id == "000000")
        return;
    m_mode = kEditing;
    SetFieldsWritable(TRUE, !IsPhotoTab());
    GetDlgItem(IDC_REF_NAME)->SetFocus();
    GetDlgItem(IDC_REF_SAVE)->EnableWindow(TRUE);
}

void CEditRefDlg::OnAdd()
{
    CheckPending();
    m_mode = kAdding;
    m_current = RefListItem();
    SendDlgItemMessage(ListId(), LB_SETCURSEL, static_cast<WPARAM>(-1));
    ClearFields();
    SetFieldsWritable(TRUE, !IsPhotoTab());
    GetDlgItem(IDC_REF_EDIT)->EnableWindow(FALSE);
    GetDlgItem(IDC_REF_DELETE)->EnableWindow(FALSE);
    GetDlgItem(IDC_REF_SAVE)->EnableWindow(TRUE);
    GetDlgItem(IDC_REF_NAME)->SetFocus();
    CString fileName;
    if (IsPhotoTab() && ChoosePhotoFile(this, fileName))
        ShowPicture(fileName);
}

void CEditRefDlg::OnDelete()
{
    const RefListItem* pReference = SelectedReference(*GetDlgItem(ListId()), m_references);
    if (!pReference)
        return;
    m_mode = kDeleting;
    if (MessageBoxById(m_hWnd, pReference->m_name, IDS_REF_DELETE, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (!pDatabase || !pDatabase->DeleteReference(pReference->m_id))
        Refuse(IDS_REF_NOT_DELETED);
    m_current = RefListItem();
    FillList();
    ClearFields();
    GetDlgItem(IDC_REF_EDIT)->EnableWindow(FALSE);
    GetDlgItem(IDC_REF_DELETE)->EnableWindow(FALSE);
}

void CEditRefDlg::OnSave()
{
    const BOOL bSaved = m_mode == kEditing ? SaveEdited() : m_mode == kAdding && SaveAdded();
    if (!bSaved)
        return;
    m_bChanged = FALSE;
    m_mode = kBrowsing;
    SetFieldsWritable(FALSE, FALSE);
    GetDlgItem(IDC_REF_SAVE)->EnableWindow(FALSE);
    const RefListItem saved = m_current;
    FillList();
    for (LRESULT row = 0; row < SendDlgItemMessage(ListId(), LB_GETCOUNT); ++row)
        if (SendDlgItemMessage(ListId(), LB_GETITEMDATA, static_cast<WPARAM>(row)) == saved.m_id.GetNumber())
            SendDlgItemMessage(ListId(), LB_SETCURSEL, static_cast<WPARAM>(row));
}

BOOL CEditRefDlg::SaveEdited()
{
    RefListItem edited = m_current;
    edited.m_name = FieldText(*this, IDC_REF_NAME);
    if (!IsPhotoTab())
        edited.m_content = FieldText(*this, IDC_REF_CONTENT);
    if (UINT nRefusal = CheckTypedReference(IsPhotoTab(), edited.m_name, edited.m_content))
        return Refuse(nRefusal);
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (!pDatabase || !pDatabase->SaveReference(edited))
        return Refuse(IDS_REF_NOT_SAVED);
    m_current = edited;
    return TRUE;
}

BOOL CEditRefDlg::SaveAdded()
{
    const CString content = IsPhotoTab() ? m_fileName : FieldText(*this, IDC_REF_CONTENT);
    RefListItem added(FieldText(*this, IDC_REF_NAME), content, 0, IsPhotoTab() ? 'P' : 'T');
    if (UINT nRefusal = CheckTypedReference(IsPhotoTab(), added.m_name, added.m_content))
        return Refuse(nRefusal);
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (!pDatabase || !pDatabase->SaveReference(added))
        return Refuse(IDS_REF_NAME_EXISTS);
    m_current = added;
    return TRUE;
}

BOOL CEditRefDlg::Refuse(UINT nId)
{
    MessageBoxById(m_hWnd, nullptr, nId, MB_ICONEXCLAMATION);
    return FALSE;
}

void CEditRefDlg::CheckPending()
{
    const BOOL bNothingTyped = m_mode == kAdding && FieldText(*this, IDC_REF_NAME).IsEmpty() &&
                               (IsPhotoTab() ? m_fileName : FieldText(*this, IDC_REF_CONTENT)).IsEmpty();
    if (m_bChanged && !bNothingTyped &&
        MessageBoxById(m_hWnd, nullptr, IDS_REF_SAVE_FIRST, MB_YESNO | MB_ICONQUESTION) == IDYES)
        OnSave();
    m_bChanged = FALSE;
}

void CEditRefDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CEditRefDlg::OnDestroy()
{
    m_helpContext.Restore();
    if (m_picture)
        m_picture->DestroyWindow();
    CWnd::OnDestroy();
}
