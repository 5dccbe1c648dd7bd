#include "forms/AttachRefDlg.h"

#include <windows.h>

#include <commctrl.h>

#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "database/MenuListItem.h"
#include "database/RecipeData.h"
#include "database/SortedRecipeListItem.h"
#include "forms/PictureWnd.h"
#include "exchange/ResourceText.h"
#include "forms/ReferenceEntry.h"
#include "framework/String.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/WindowPlacement.h"

namespace {

constexpr UINT HelpContexts[] = {2025, 2024, 2026};
constexpr char RelatedTypes[] = {'R', 'M', 'K'};
constexpr int RecipesSourceMode = 1;

// Kept between openings.
int s_nShownTab = CAttachRefDlg::kInfoTab;
int s_nRelatedType = 0;

constexpr int TabControls[] = {IDC_REF_MEDIA_TYPES,        IDC_REF_MEDIA_PHOTO,   IDC_REF_MEDIA_VIDEO,
                               IDC_REF_MEDIA_SOUND,        IDC_RELATED_TYPES,     IDC_RELATED_RECIPES,
                               IDC_RELATED_MEAL_PLANS,     IDC_RELATED_HINTS,     IDC_ATTACH_ALL_TOPICS,
                               IDC_ATTACH_ATTACHED_TOPICS, IDC_ATTACH_ALL_PHOTOS, IDC_ATTACH_ATTACHED_PHOTOS,
                               IDC_REF_PHOTOS_LABEL,       IDC_REF_TOPICS,        IDC_REF_PHOTOS,
                               IDC_ATTACH_RECIPES,         IDC_REF_NAME_LABEL,    IDC_REF_NAME,
                               IDC_REF_CONTENT_LABEL,      IDC_REF_CONTENT,       IDC_ATTACHED_LABEL,
                               IDC_ATTACHED_ITEMS};
constexpr int PhotoControls[] = {
    IDC_REF_MEDIA_TYPES, IDC_REF_MEDIA_PHOTO, IDC_REF_MEDIA_VIDEO, IDC_ATTACH_ALL_PHOTOS, IDC_ATTACH_ATTACHED_PHOTOS,
    IDC_REF_PHOTOS,      IDC_REF_NAME_LABEL,  IDC_REF_NAME,        IDC_REF_CONTENT_LABEL};
constexpr int InfoControls[] = {IDC_ATTACH_ALL_TOPICS, IDC_ATTACH_ATTACHED_TOPICS, IDC_REF_TOPICS, IDC_REF_NAME_LABEL,
                                IDC_REF_NAME,          IDC_REF_CONTENT_LABEL,      IDC_REF_CONTENT};
constexpr int RelatedControls[] = {IDC_RELATED_TYPES,    IDC_RELATED_RECIPES, IDC_RELATED_MEAL_PLANS,
                                   IDC_REF_PHOTOS_LABEL, IDC_ATTACHED_LABEL,  IDC_ATTACHED_ITEMS};

struct RelatedLabels
{
    LPCSTR all;
    LPCSTR attached;
};
constexpr RelatedLabels RelatedTexts[] = {{"A&ll Recipes:", "Atta&ched Recipes:"},
                                          {"A&ll Meal Plans:", "Atta&ched Meal Plans:"},
                                          {"A&ll Hints:", "Atta&ched Hints:"}};

int SelectedRow(const CWnd& dialog, int nList)
{
    return static_cast<int>(dialog.SendDlgItemMessage(nList, LB_GETCURSEL));
}

}  // namespace

BEGIN_MESSAGE_MAP(CAttachRefDlg, CDialog)
    ON_NOTIFY(TCN_SELCHANGE, IDC_REF_TABS, OnTabChange)
    ON_BN_CLICKED(IDC_ATTACH_ALL_TOPICS, OnViewChosen)
    ON_BN_CLICKED(IDC_ATTACH_ATTACHED_TOPICS, OnViewChosen)
    ON_BN_CLICKED(IDC_ATTACH_ALL_PHOTOS, OnViewChosen)
    ON_BN_CLICKED(IDC_ATTACH_ATTACHED_PHOTOS, OnViewChosen)
    ON_BN_CLICKED(IDC_RELATED_RECIPES, OnRelatedTypeChosen)
    ON_BN_CLICKED(IDC_RELATED_MEAL_PLANS, OnRelatedTypeChosen)
    ON_BN_CLICKED(IDC_RELATED_HINTS, OnRelatedTypeChosen)
    ON_LBN_SELCHANGE(IDC_REF_TOPICS, OnLibrarySelected)
    ON_LBN_SELCHANGE(IDC_REF_PHOTOS, OnLibrarySelected)
    ON_LBN_SELCHANGE(IDC_ATTACH_RECIPES, OnRecipeSelected)
    ON_LBN_SELCHANGE(IDC_ATTACHED_ITEMS, OnAttachedSelected)
    ON_EN_CHANGE(IDC_REF_NAME, OnFieldChange)
    ON_EN_CHANGE(IDC_REF_CONTENT, OnFieldChange)
    ON_BN_CLICKED(IDC_ATTACH, OnAttach)
    ON_BN_CLICKED(IDC_DETACH, OnDetach)
    ON_BN_CLICKED(IDC_REF_ADD, OnAdd)
    ON_BN_CLICKED(IDC_ATTACH_CLOSE, OnClose)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CAttachRefDlg::CAttachRefDlg(CWnd* pParent, BOOL bMealPlan)
    : CDialog(IDD_ATTACH_REFERENCES, pParent), m_bMealPlan(bMealPlan)
{
}

CAttachRefDlg::~CAttachRefDlg() = default;

BOOL CAttachRefDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_helpContext.Save();
    m_allRecipes.Attach(this, IDC_ATTACH_RECIPES);
    m_allRecipes.SetSourceMode(RecipesSourceMode);
    m_allRecipes.Initialise(0, CRecordId());
    m_picture = MakePictureOverContent(*this);
    m_attached.Copy(RecordReferences());
    ShowControls(*this, TabControls, SW_HIDE);
    m_tabs.SubclassDlgItem(IDC_REF_TABS, this);
    for (UINT nName : {IDS_REF_TAB_PHOTO, IDS_REF_TAB_INFO, IDS_REF_TAB_RELATED})
        m_tabs.InsertItem(m_tabs.GetItemCount(), LoadResourceText(nName));
    m_tabs.SetCurSel(s_nShownTab);
    CheckRadioButton(IDC_REF_MEDIA_PHOTO, IDC_REF_MEDIA_SOUND, IDC_REF_MEDIA_PHOTO);
    ShowTab();
    SetWindowText(CString("Attach References:  ") + (m_bMealPlan ? m_pMealPlan->m_name : m_pRecipe->m_title));
    CenterWindowOver(this, m_pParentWnd);
    return TRUE;
}

LRESULT CAttachRefDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_allRecipes.m_hWnd && m_allRecipes.HandlesListMessage(message, wParam, lParam))
        return m_allRecipes.OnListMessage(message, wParam, lParam);
    return CDialog::WindowProc(message, wParam, lParam);
}

CRefItemArray& CAttachRefDlg::RecordReferences() const
{
    return m_bMealPlan ? m_pMealPlan->m_references : m_pRecipe->m_links;
}

char CAttachRefDlg::TabType() const
{
    if (s_nShownTab == kRelatedTab)
        return RelatedTypes[s_nRelatedType];
    return s_nShownTab == kPhotoTab ? 'P' : 'T';
}

BOOL CAttachRefDlg::ShowsAll() const
{
    if (s_nShownTab == kRelatedTab)
        return TRUE;
    return s_nShownTab == kPhotoTab ? m_bAllPhotos : m_bAllTopics;
}

int CAttachRefDlg::LibraryListId() const
{
    return s_nShownTab == kInfoTab ? IDC_REF_TOPICS : IDC_REF_PHOTOS;
}

void CAttachRefDlg::OnTabChange(tagNMHDR*, LRESULT* pResult)
{
    CheckPending();
    s_nShownTab = m_tabs.GetCurSel();
    ShowTab();
    *pResult = 0;
}

void CAttachRefDlg::ShowTab()
{
    ShowControls(*this, TabControls, SW_HIDE);
    m_picture->ShowWindow(SW_HIDE);
    m_helpContext.Set(HelpContexts[s_nShownTab]);
    EnableAttachButtons(FALSE, FALSE);
    if (s_nShownTab == kRelatedTab)
    {
        ShowControls(*this, RelatedControls, SW_SHOW);
        CheckRadioButton(IDC_RELATED_RECIPES, IDC_RELATED_HINTS, IDC_RELATED_RECIPES + s_nRelatedType);
        ShowRelatedLists();
        return;
    }
    const BOOL bPhoto = s_nShownTab == kPhotoTab;
    if (bPhoto)
        ShowControls(*this, PhotoControls, SW_SHOW);
    else
        ShowControls(*this, InfoControls, SW_SHOW);
    const int nFirstRadio = bPhoto ? IDC_ATTACH_ALL_PHOTOS : IDC_ATTACH_ALL_TOPICS;
    const int nSecondRadio = bPhoto ? IDC_ATTACH_ATTACHED_PHOTOS : IDC_ATTACH_ATTACHED_TOPICS;
    CheckDlgButton(nFirstRadio, ShowsAll() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(nSecondRadio, ShowsAll() ? BST_UNCHECKED : BST_CHECKED);
    SetDlgItemText(IDC_REF_NAME_LABEL, bPhoto ? "Photo &Name:" : "Topic &Name:");
    SetDlgItemText(IDC_REF_CONTENT_LABEL, bPhoto ? "Filename:" : "Te&xt:");
    FillLibraryList();
    ClearFields(FALSE);
}

void CAttachRefDlg::ShowRelatedLists()
{
    const BOOL bRecipes = TabType() == 'R';
    GetDlgItem(IDC_ATTACH_RECIPES)->ShowWindow(bRecipes ? SW_SHOW : SW_HIDE);
    GetDlgItem(IDC_REF_PHOTOS)->ShowWindow(bRecipes ? SW_HIDE : SW_SHOW);
    SetDlgItemText(IDC_REF_PHOTOS_LABEL, RelatedTexts[s_nRelatedType].all);
    SetDlgItemText(IDC_ATTACHED_LABEL, RelatedTexts[s_nRelatedType].attached);
    FillLibraryList();
    FillAttachedList();
    EnableAttachButtons(FALSE, FALSE);
}

void CAttachRefDlg::FillLibraryList()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    CWnd& list = *GetDlgItem(LibraryListId());
    if (TabType() == 'R')
        return;
    if (TabType() != 'M')
    {
        if (ShowsAll() && pDatabase)
            pDatabase->LoadReferencesByType(m_all, TabType());
        FillReferenceList(list, ShowsAll() ? m_all : m_attached, TabType());
        return;
    }
    list.SendMessage(LB_RESETCONTENT);
    if (!pDatabase)
        return;
    const CCustObArray& plans = pDatabase->GetMenuList();
    for (int i = 0; i < plans.GetSize(); ++i)
    {
        const auto* pPlan = static_cast<const MenuListItem*>(plans.GetItemAt(i));
        const LRESULT row =
            list.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pPlan->m_name)));
        list.SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(row), pPlan->m_id.GetNumber());
    }
}

void CAttachRefDlg::FillAttachedList()
{
    FillReferenceList(*GetDlgItem(IDC_ATTACHED_ITEMS), m_attached, TabType());
}

void CAttachRefDlg::OnViewChosen()
{
    CheckPending();
    if (s_nShownTab == kPhotoTab)
        m_bAllPhotos = IsDlgButtonChecked(IDC_ATTACH_ALL_PHOTOS);
    else
        m_bAllTopics = IsDlgButtonChecked(IDC_ATTACH_ALL_TOPICS);
    FillLibraryList();
    ClearFields(FALSE);
    EnableAttachButtons(FALSE, FALSE);
}

void CAttachRefDlg::OnRelatedTypeChosen()
{
    s_nRelatedType = 0;
    for (int nType = 1; nType < 3; ++nType)
        if (IsDlgButtonChecked(IDC_RELATED_RECIPES + nType))
            s_nRelatedType = nType;
    ShowRelatedLists();
}

void CAttachRefDlg::OnLibrarySelected()
{
    const int nRow = SelectedRow(*this, LibraryListId());
    if (s_nShownTab == kRelatedTab)
    {
        EnableAttachButtons(nRow >= 0, FALSE);
        return;
    }
    CheckPending();
    const int nAttached = AttachedIndexOfRow(TabType(), nRow);
    const RefListItem* pReference = ShowsAll()       ? SelectedReference(*GetDlgItem(LibraryListId()), m_all)
                                    : nAttached >= 0 ? m_attached.GetRefAt(nAttached)
                                                     : nullptr;
    if (!pReference)
        return;
    ShowEntry(*pReference);
    EnableAttachButtons(ShowsAll(), !ShowsAll());
}

void CAttachRefDlg::OnRecipeSelected()
{
    EnableAttachButtons(m_allRecipes.GetCurSel() >= 0, FALSE);
}

void CAttachRefDlg::OnAttachedSelected()
{
    EnableAttachButtons(FALSE, SelectedRow(*this, IDC_ATTACHED_ITEMS) >= 0);
}

void CAttachRefDlg::ShowEntry(const RefListItem& reference)
{
    PutText(IDC_REF_NAME, reference.m_name);
    if (s_nShownTab == kPhotoTab)
        ShowPicture(reference.m_content);
    else
        PutText(IDC_REF_CONTENT, reference.m_content);
}

void CAttachRefDlg::ShowPicture(const CString& fileName)
{
    m_fileName = fileName;
    ShowPhotoEntry(*this, *m_picture, fileName);
}

void CAttachRefDlg::ClearFields(BOOL bWritable)
{
    PutText(IDC_REF_NAME, "");
    PutText(IDC_REF_CONTENT, "");
    m_fileName.Empty();
    m_picture->ShowWindow(SW_HIDE);
    if (s_nShownTab == kPhotoTab)
        SetDlgItemText(IDC_REF_CONTENT_LABEL, "Filename:");
    SendDlgItemMessage(IDC_REF_NAME, EM_SETREADONLY, !bWritable);
    SendDlgItemMessage(IDC_REF_CONTENT, EM_SETREADONLY, !bWritable);
}

void CAttachRefDlg::PutText(int nId, LPCSTR lpszText)
{
    const BOOL bChanged = m_bChanged;
    SetDlgItemText(nId, lpszText);
    m_bChanged = bChanged;
}

void CAttachRefDlg::EnableAttachButtons(BOOL bAttach, BOOL bDetach)
{
    GetDlgItem(IDC_ATTACH)->EnableWindow(bAttach);
    GetDlgItem(IDC_DETACH)->EnableWindow(bDetach);
}

void CAttachRefDlg::OnFieldChange()
{
    m_bChanged = TRUE;
}

void CAttachRefDlg::CheckPending()
{
    if (m_bChanged && MessageBoxById(m_hWnd, nullptr, IDS_REF_ATTACH_NEW_ITEM, MB_YESNO | MB_ICONQUESTION) == IDYES)
        AttachTyped();
    m_bChanged = FALSE;
}

void CAttachRefDlg::OnAttach()
{
    if (s_nShownTab == kRelatedTab)
        AttachRelated();
    else if (m_bChanged)
        AttachTyped();
    else
        AttachFromLibrary();
}

// A typed topic or photo joins the library at once.
BOOL CAttachRefDlg::AttachTyped()
{
    const BOOL bPhoto = s_nShownTab == kPhotoTab;
    RefListItem typed(FieldText(*this, IDC_REF_NAME), bPhoto ? m_fileName : FieldText(*this, IDC_REF_CONTENT), 0,
                      bPhoto ? 'P' : 'T');
    if (UINT nRefusal = CheckTypedReference(bPhoto, typed.m_name, typed.m_content))
        return Refuse(nRefusal);
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (!pDatabase || !pDatabase->SaveReference(typed))
        return Refuse(IDS_REF_NAME_EXISTS);
    m_bChanged = FALSE;
    Append(typed);
    FillLibraryList();
    return TRUE;
}

void CAttachRefDlg::AttachFromLibrary()
{
    const RefListItem* pReference = ShowsAll() ? SelectedReference(*GetDlgItem(LibraryListId()), m_all) : nullptr;
    if (!pReference)
        return;
    if (s_nShownTab == kInfoTab && m_attached.FindById(pReference->m_id))
    {
        Refuse(IDS_REF_ALREADY_ATTACHED);
        return;
    }
    Append(*pReference);
}

// A related recipe or meal plan is named by a reference row only on Close.
void CAttachRefDlg::AttachRelated()
{
    const char type = TabType();
    if (type == 'K')
    {
        if (const RefListItem* pHint = SelectedReference(*GetDlgItem(IDC_REF_PHOTOS), m_all))
            Append(*pHint);
        return;
    }
    CString name;
    LONG number = 0;
    if (type == 'R')
    {
        const CSortedRecipeListItem* pRecipe = m_allRecipes.GetItemAt(m_allRecipes.GetCurSel());
        if (!pRecipe)
            return;
        name = pRecipe->m_name;
        number = pRecipe->m_id.GetNumber();
    }
    else
    {
        const int nRow = SelectedRow(*this, IDC_REF_PHOTOS);
        if (nRow < 0)
            return;
        number = static_cast<LONG>(SendDlgItemMessage(IDC_REF_PHOTOS, LB_GETITEMDATA, static_cast<WPARAM>(nRow)));
        const auto* pPlan = static_cast<const MenuListItem*>(
            GetCurrentDatabase()->GetMenuList().FindById(CRecordId(static_cast<unsigned long>(number))));
        if (!pPlan)
            return;
        name = pPlan->m_name;
    }
    RefListItem related(name, name, 0, type);
    related.m_number = number;
    Append(related);
}

void CAttachRefDlg::Append(const RefListItem& reference)
{
    m_attached.Add(new RefListItem(reference));
    m_bModified = TRUE;
    if (s_nShownTab == kRelatedTab)
        FillAttachedList();
    else if (!ShowsAll())
        FillLibraryList();
}

int CAttachRefDlg::AttachedIndexOfRow(char type, int nRow) const
{
    for (int i = 0; i < m_attached.GetSize() && nRow >= 0; ++i)
    {
        if (m_attached.GetRefAt(i)->m_type != type)
            continue;
        if (nRow-- == 0)
            return i;
    }
    return -1;
}

void CAttachRefDlg::OnDetach()
{
    const int nList = s_nShownTab == kRelatedTab ? IDC_ATTACHED_ITEMS : LibraryListId();
    if (s_nShownTab != kRelatedTab && ShowsAll())
        return;
    const int nRow = SelectedRow(*this, nList);
    const int nAttached = AttachedIndexOfRow(TabType(), nRow);
    if (nAttached < 0)
        return;
    delete m_attached.GetRefAt(nAttached);
    m_attached.RemoveAt(nAttached);
    SendDlgItemMessage(nList, LB_DELETESTRING, static_cast<WPARAM>(nRow));
    m_bModified = TRUE;
    EnableAttachButtons(FALSE, FALSE);
    if (s_nShownTab != kRelatedTab)
        ClearFields(FALSE);
}

void CAttachRefDlg::OnAdd()
{
    CheckPending();
    if (s_nShownTab == kRelatedTab)
        return;
    SendDlgItemMessage(LibraryListId(), LB_SETCURSEL, static_cast<WPARAM>(-1));
    ClearFields(TRUE);
    EnableAttachButtons(TRUE, FALSE);
    GetDlgItem(IDC_REF_NAME)->SetFocus();
    CString fileName;
    if (s_nShownTab != kPhotoTab || !ChoosePhotoFile(this, fileName))
        return;
    ShowPicture(fileName);
    m_bChanged = TRUE;
}

void CAttachRefDlg::OnClose()
{
    CheckPending();
    if (m_bModified)
    {
        if (!SaveRelatedRows())
            return;
        RecordReferences().Copy(m_attached);
    }
    EndDialog(IDC_ATTACH_CLOSE);
}

BOOL CAttachRefDlg::SaveRelatedRows()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    for (int i = 0; i < m_attached.GetSize(); ++i)
    {
        RefListItem& related = *m_attached.GetRefAt(i);
        if ((related.m_type != 'R' && related.m_type != 'M') || related.m_id != "000000")
            continue;
        CRefItemArray rows;
        if (pDatabase)
            pDatabase->LoadReferencesByType(rows, related.m_type);
        for (int row = 0; row < rows.GetSize() && related.m_id == "000000"; ++row)
            if (rows.GetRefAt(row)->m_content == related.m_content)
                related.m_id = rows.GetRefAt(row)->m_id;
        if (related.m_id == "000000" && (!pDatabase || !pDatabase->SaveReference(related)))
            return Refuse(IDS_REF_NOT_SAVED);
    }
    return TRUE;
}

BOOL CAttachRefDlg::Refuse(UINT nId)
{
    MessageBoxById(m_hWnd, nullptr, nId, MB_ICONEXCLAMATION);
    return FALSE;
}

void CAttachRefDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CAttachRefDlg::OnDestroy()
{
    m_helpContext.Restore();
    if (m_picture)
        m_picture->DestroyWindow();
    CWnd::OnDestroy();
}
