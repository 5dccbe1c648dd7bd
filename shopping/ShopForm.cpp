#include "shopping/ShopForm.h"

#include <windows.h>

#include "database/IngData.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/StandardIds.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/formbase/FormManager.h"
#include "shell/graphics/FontFaces.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"
#include "shopping/AssignSectionsDlg.h"
#include "shopping/ClearListDlg.h"
#include "shopping/ItemListDlg.h"
#include "shopping/ListNameCombo.h"
#include "shopping/ShopItemDlg.h"
#include "shopping/ShopMgr.h"
#include "shopping/ShoppingListItem.h"
#include "shopping/StoreRows.h"

IMPLEMENT_DYNCREATE(CShopForm, CBVFormView)

BEGIN_MESSAGE_MAP(CShopForm, CBVFormView)
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_COMMAND(IDC_SHOPPING_BACK, OnBack)
    ON_COMMAND(IDC_SHOPPING_CLEAR, OnClear)
    ON_BN_CLICKED(IDC_SHOPPING_RECIPE_NAMES, OnRecipeNames)
    ON_BN_CLICKED(IDC_SHOPPING_DETAIL, OnDetail)
    ON_BN_CLICKED(IDC_SHOPPING_UNASSIGNED, OnUnassigned)
    ON_BN_CLICKED(IDC_SHOPPING_NO_PANTRY, OnRemovePantry)
    ON_BN_CLICKED(IDC_SHOPPING_ADD_FREQUENT, OnAddFrequent)
    ON_CBN_CLOSEUP(IDC_SHOPPING_LAYOUT, OnLayoutChosen)
    ON_CBN_EDITUPDATE(IDC_SHOPPING_NAME, OnNameTyped)
    ON_CBN_CLOSEUP(IDC_SHOPPING_NAME, OnNameChosen)
    ON_LBN_SELCHANGE(IDC_SHOPPING_LINES, OnRowChosen)
    ON_LBN_DBLCLK(IDC_SHOPPING_LINES, OnRowDoubleClicked)
    ON_COMMAND(IDC_SHOPPING_EDIT, OnEdit)
    ON_COMMAND(IDC_SHOPPING_DELETE, OnDelete)
    ON_COMMAND(IDC_SHOPPING_FREQUENT, OnFrequentList)
    ON_COMMAND(IDC_SHOPPING_PANTRY, OnPantryList)
    ON_COMMAND(IDC_SHOPPING_SECTIONS, OnStoreSections)
    ON_COMMAND(ID_FORM_ADD_TO_FREQUENT, OnAddToFrequent)
    ON_COMMAND(ID_FORM_ADD_TO_PANTRY, OnAddToPantry)
    ON_COMMAND(ID_FORM_PRINT, OnPrint)
    ON_COMMAND(ID_CONTEXT_HELP, OnHelp)
    ON_COMMAND(IDC_SHOPPING_SAVE, OnSave)
END_MESSAGE_MAP()

namespace {

const int kLabelHeight = 16;
const UINT kHelpContext = 2009;
const LPARAM kStoresChanged = 1;
const LPARAM kSectionsChanged = 2;

struct PictureButton
{
    UINT nId;
    LPCSTR lpszPrefix;
};
const PictureButton kPictureButtons[] = {{IDC_SHOPPING_FREQUENT, "FREQ"}, {IDC_SHOPPING_PANTRY, "PANT"},
                                         {IDC_SHOPPING_EDIT, "EDITM"},    {IDC_SHOPPING_DELETE, "DLITM"},
                                         {IDC_SHOPPING_SAVE, "SAVE"},     {IDC_SHOPPING_CLEAR, "CLR"},
                                         {IDC_SHOPPING_BACK, "BACK"},     {IDC_SHOPPING_SECTIONS, "STOR"}};

BOOL AttachPictureButton(CBitmapButton& button, CWnd* pParent, const PictureButton& picture)
{
    const CString prefix(picture.lpszPrefix);
    return AttachBitmapButton(button, pParent, picture.nId, prefix + "UP", prefix + "DN", prefix + "UP", prefix + "GR");
}

BOOL Ask(HWND hWnd, UINT nQuestionId)
{
    return MessageBoxById(hWnd, nullptr, nQuestionId, MB_YESNO) == IDYES;
}

}  // namespace

LONG CShopForm::s_layoutMode = kAllSectionsLayout;
LONG CShopForm::s_store = 0;
LONG CShopForm::s_lastRowStyle = -1;

CShopForm::CShopForm()
    : CBVFormView(IDD_SHOPPING_FORM), m_toFrequent(ID_FORM_ADD_TO_FREQUENT), m_toPantry(ID_FORM_ADD_TO_PANTRY)
{
}

CShopForm::~CShopForm() = default;

void CShopForm::OnInitialUpdate()
{
    CBVFormView::OnInitialUpdate();
    LoadAcceleratorTable(IDR_VIEW_KEYS);
    ScaleChildFonts();
    SetScrollSizes(MM_TEXT, GetDesignSize());
    AttachControls();
    g_pShopMgr->GetShoppingFileName();
    g_pShopMgr->OpenShoppingList(g_pShopMgr->GetListName());
    m_editedName = g_pShopMgr->GetListName();
    ShowOptions();
    FillListNameCombo(m_names, g_pShopMgr->GetListName());
    FillLayouts();
    s_lastRowStyle = -1;
    EnableRowButtons();
    g_pFormManager->SetActiveForm(this);
}

void CShopForm::AttachControls()
{
    CreateLabelFont(m_labelFont, GetSansFaceId(), kLabelHeight, FW_BOLD);
    GetDlgItem(IDC_SHOPPING_TITLE_LABEL)->SetFont(&m_labelFont);
    GetDlgItem(IDC_SHOPPING_SORT_LABEL)->SetFont(&m_labelFont);
    m_list.SubclassDlgItem(IDC_SHOPPING_LINES, this);
    m_list.SetColors(m_scheme.GetColour(CListFormScheme::kListBackground),
                     m_scheme.GetColour(CListFormScheme::kHighlight));
    m_list.SetDragSource(this);
    m_list.ApplyPrintFont(*g_pAppSettings->GetPrintRecord());
    m_names.SubclassDlgItem(IDC_SHOPPING_NAME, this);
    m_layouts.SubclassDlgItem(IDC_SHOPPING_LAYOUT, this);
    for (size_t i = 0; i < sizeof kPictureButtons / sizeof kPictureButtons[0]; ++i)
        AttachPictureButton(m_buttons[i], this, kPictureButtons[i]);
    m_toFrequent.SubclassDlgItem(ID_FORM_ADD_TO_FREQUENT, this);
    m_toPantry.SubclassDlgItem(ID_FORM_ADD_TO_PANTRY, this);
}

void CShopForm::ShowOptions()
{
    CheckDlgButton(IDC_SHOPPING_DETAIL, g_pShopMgr->GetShowDetail() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SHOPPING_RECIPE_NAMES, g_pShopMgr->m_bShowRecipeNames ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SHOPPING_UNASSIGNED, g_pShopMgr->m_bShowUnassignedSections ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SHOPPING_NO_PANTRY, g_pShopMgr->m_bRemovePantryItems ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SHOPPING_ADD_FREQUENT, g_pShopMgr->m_bAddFrequentItems ? BST_CHECKED : BST_UNCHECKED);
}

void CShopForm::FillLayouts()
{
    m_layouts.ResetContent();
    for (UINT nId : {IDS_LAYOUT_ALL_SECTIONS, IDS_LAYOUT_INGREDIENT, IDS_LAYOUT_RECIPE})
    {
        CString text;
        text.LoadString(nId);
        m_layouts.AddString(text);
    }
    CString prefix;
    prefix.LoadString(IDS_LAYOUT_STORE_PREFIX);
    AddStoreRows(m_layouts, prefix);
    int nRow = static_cast<int>(s_layoutMode);
    if (s_layoutMode == kStoreLayout)
        for (nRow = m_layouts.GetCount() - 1; nRow > kStoreLayout - 1; --nRow)
            if (static_cast<LONG>(m_layouts.GetItemData(nRow)) == s_store)
                break;
    m_layouts.SetCurSel(nRow);
    ApplyLayout();
    Refresh();
}

// Recipe Name and the store layouts write no detail of their own choosing.
void CShopForm::ApplyLayout()
{
    const BOOL bStoreLayout = s_layoutMode == kStoreLayout;
    GetDlgItem(IDC_SHOPPING_UNASSIGNED)->EnableWindow(bStoreLayout);
    const BOOL bDetailChosen = s_layoutMode < kRecipeLayout;
    if (!bDetailChosen)
    {
        g_pShopMgr->SetShowDetail(FALSE);
        CheckDlgButton(IDC_SHOPPING_DETAIL, BST_UNCHECKED);
    }
    GetDlgItem(IDC_SHOPPING_DETAIL)->EnableWindow(bDetailChosen);
}

void CShopForm::OnLayoutChosen()
{
    const int nRow = m_layouts.GetCurSel();
    if (nRow < 0)
        return;
    const LONG mode = nRow < kStoreLayout ? static_cast<LONG>(nRow) : static_cast<LONG>(kStoreLayout);
    const LONG store = mode == kStoreLayout ? static_cast<LONG>(m_layouts.GetItemData(nRow)) : 0;
    const BOOL bChanged = mode != s_layoutMode || store != s_store;
    s_layoutMode = mode;
    s_store = store;
    ApplyLayout();
    if (bChanged)
        Refresh();
}

void CShopForm::ShowList(CPrintFontListBox& list, CScreenLineList& lines, LONG layoutMode, LONG store)
{
    const int nTop = list.GetTopIndex();
    list.ResetContent();
    lines.Clear();
    g_pShopMgr->DisplayShoppingList(&lines, layoutMode, store);
    for (int i = 0; i < lines.GetCount(); ++i)
    {
        const CScreenLine& line = lines.GetLine(i);
        list.SetItemDataPtr(list.AddString(line.LineText()), const_cast<CScreenLine*>(&line));
    }
    list.SetTopIndex(nTop);
}

void CShopForm::Refresh()
{
    ShowList(m_list, m_lines, s_layoutMode, s_store);
    s_lastRowStyle = -1;
    EnableRowButtons();
}

void CShopForm::UpdateDisplay()
{
    m_list.ApplyPrintFont(*g_pAppSettings->GetPrintRecord());
    Refresh();
}

void CShopForm::OnUpdate(CView* /*pSender*/, LPARAM lHint, CObject* /*pHint*/)
{
    if ((lHint & kStoresChanged) != 0)
        FillLayouts();
    else if ((lHint & kSectionsChanged) != 0)
        Refresh();
}

const CScreenLine* CShopForm::SelectedLine() const
{
    const int nRow = m_list.m_hWnd != nullptr ? m_list.GetCurSel() : LB_ERR;
    return nRow >= 0 ? static_cast<const CScreenLine*>(m_list.GetItemDataPtr(nRow)) : nullptr;
}

LONG CShopForm::SelectedRowStyle() const
{
    const CScreenLine* pLine = SelectedLine();
    return pLine != nullptr ? pLine->LineValue() : 0;
}

void CShopForm::EnableRowButtons()
{
    const LONG style = SelectedRowStyle();
    if (style == s_lastRowStyle)
        return;
    s_lastRowStyle = style;
    GetDlgItem(IDC_SHOPPING_EDIT)->EnableWindow(style == kDetailRow);
    GetDlgItem(IDC_SHOPPING_DELETE)->EnableWindow(style == kDetailRow || style == kRecipeRow);
}

void CShopForm::OnRowChosen()
{
    EnableRowButtons();
}

void CShopForm::OnRowDoubleClicked()
{
    if (SelectedRowStyle() == kDetailRow)
        OnEdit();
}

CObject* CShopForm::GetSelectedItem(int bAllowSummary) const
{
    const CScreenLine* pLine = SelectedLine();
    if (pLine == nullptr)
        return nullptr;
    switch (pLine->LineValue())
    {
    case kSummaryRow:
        if (!bAllowSummary)
        {
            MessageBoxById(m_hWnd, nullptr, IDS_SHOPPING_SELECT_DETAIL, MB_OK);
            return nullptr;
        }
        return g_pShopMgr->FindItemBySerial(static_cast<DWORD>(pLine->StyleValue()));
    case kDetailRow: return g_pShopMgr->FindItemBySerial(static_cast<DWORD>(pLine->StyleValue()));
    default: return nullptr;
    }
}

BOOL CShopForm::CanDragSelection()
{
    const LONG style = SelectedRowStyle();
    return style == kDetailRow || style == kSummaryRow;
}

void CShopForm::OnEdit()
{
    auto* pItem = static_cast<CShoppingListItem*>(GetSelectedItem(FALSE));
    if (pItem == nullptr)
        return;
    CShopItemDlg dialog(*pItem, this);
    if (dialog.DoModal() != IDOK)
        return;
    g_pShopMgr->SaveShoppingList();
    Refresh();
}

void CShopForm::OnDelete()
{
    const CScreenLine* pLine = SelectedLine();
    if (pLine == nullptr)
        return;
    switch (pLine->LineValue())
    {
    case kRecipeRow:
        if (!Ask(m_hWnd, IDS_SHOPPING_DELETE_RECIPE))
            return;
        g_pShopMgr->RemoveRecipe(pLine->LineText());
        break;
    case kDetailRow:
        if (!Ask(m_hWnd, IDS_SHOPPING_DELETE_ITEM))
            return;
        g_pShopMgr->DeleteItemBySerial(static_cast<DWORD>(pLine->StyleValue()));
        break;
    default: return;
    }
    g_pShopMgr->SaveShoppingList();
    Refresh();
}

void CShopForm::StoreOptionChange()
{
    g_pShopMgr->SetModified(1);
    g_pShopMgr->SaveShoppingList();
    Refresh();
}

void CShopForm::OnRecipeNames()
{
    g_pShopMgr->m_bShowRecipeNames = IsDlgButtonChecked(IDC_SHOPPING_RECIPE_NAMES) == BST_CHECKED;
    StoreOptionChange();
}

void CShopForm::OnDetail()
{
    g_pShopMgr->SetShowDetail(IsDlgButtonChecked(IDC_SHOPPING_DETAIL) == BST_CHECKED);
    StoreOptionChange();
}

void CShopForm::OnUnassigned()
{
    g_pShopMgr->m_bShowUnassignedSections = IsDlgButtonChecked(IDC_SHOPPING_UNASSIGNED) == BST_CHECKED;
    StoreOptionChange();
}

void CShopForm::OnRemovePantry()
{
    g_pShopMgr->m_bRemovePantryItems = IsDlgButtonChecked(IDC_SHOPPING_NO_PANTRY) == BST_CHECKED;
    Refresh();
}

void CShopForm::OnAddFrequent()
{
    g_pShopMgr->m_bAddFrequentItems = IsDlgButtonChecked(IDC_SHOPPING_ADD_FREQUENT) == BST_CHECKED;
    Refresh();
}

void CShopForm::OnFrequentList()
{
    CItemListDlg dialog(CItemListDlg::kFrequent, this);
    if (dialog.DoModal() == IDOK && g_pShopMgr->m_bAddFrequentItems)
        Refresh();
}

void CShopForm::OnPantryList()
{
    CItemListDlg dialog(CItemListDlg::kPantry, this);
    if (dialog.DoModal() == IDOK && (g_pShopMgr->m_bRemovePantryItems || dialog.m_bChanged))
        Refresh();
}

void CShopForm::OnStoreSections()
{
    CAssignSectionsDlg dialog(this);
    if (dialog.DoModal() == IDOK)
        OnUpdate(nullptr,
                 (dialog.m_bStoresChanged ? kStoresChanged : 0) | (dialog.m_bSectionsSaved ? kSectionsChanged : 0),
                 nullptr);
}

void CShopForm::AddSelectedToItemList(BOOL bFrequent)
{
    const auto* pItem = static_cast<const CShoppingListItem*>(GetSelectedItem(TRUE));
    if (pItem == nullptr)
        return;
    const CShoppingList& target = bFrequent ? g_pShopMgr->GetFrequentList() : g_pShopMgr->GetPantryList();
    if (target.FindByName(pItem->GetLine().m_name) != nullptr)
    {
        if (!Ask(m_hWnd, bFrequent ? IDS_FREQUENT_ALREADY_LISTED : IDS_PANTRY_ALREADY_LISTED))
            return;
    }
    else
    {
        MessageBoxById(m_hWnd, nullptr, bFrequent ? IDS_FREQUENT_WILL_BE_ADDED : IDS_PANTRY_WILL_BE_ADDED, MB_OK);
    }
    if (bFrequent)
        g_pShopMgr->AddFrequentItem(*pItem);
    else
        g_pShopMgr->AddPantryItem(*pItem);
    if (bFrequent ? g_pShopMgr->m_bAddFrequentItems : g_pShopMgr->m_bRemovePantryItems)
        Refresh();
}

void CShopForm::OnAddToFrequent()
{
    AddSelectedToItemList(TRUE);
}

void CShopForm::OnAddToPantry()
{
    AddSelectedToItemList(FALSE);
}

void CShopForm::OnPrint()
{
    if (CreatePrinterDC() == 1)
        g_pShopMgr->PrintShoppingList(s_layoutMode, s_store);
}

void CShopForm::OnHelp()
{
    ShowHelp(HELP_CONTEXT, kHelpContext, IDS_HELP_FILE);
}

void CShopForm::OnNameTyped()
{
    CheckTypedListName(m_names);
    CompleteComboText(m_names.m_hWnd, m_editedName, m_lastTyped);
}

void CShopForm::OnNameChosen()
{
    const int nRow = m_names.GetCurSel();
    if (nRow < 0)
        return;
    m_names.GetLBText(nRow, m_editedName);
    g_pShopMgr->OpenShoppingList(m_editedName);
    ShowOptions();
    Refresh();
}

void CShopForm::OnSave()
{
    GetDlgItemText(IDC_SHOPPING_NAME, m_editedName);
    if (m_editedName.IsEmpty())
    {
        MessageBoxById(m_hWnd, nullptr, IDS_SHOPPING_NAME_NEEDED, MB_OK);
        return;
    }
    if (m_names.FindStringExact(-1, m_editedName) < 0)
        m_names.SetCurSel(m_names.AddString(m_editedName));
    if (g_pShopMgr->SetShoppingFileName(m_editedName))
        g_pShopMgr->SaveShoppingList();
}

void CShopForm::OnClear()
{
    CClearListDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    g_pShopMgr->ClearShoppingList();
    g_pShopMgr->SaveShoppingList();
    Refresh();
    if (dialog.m_bRemoveFile)
    {
        const CString name = g_pShopMgr->GetListName();
        const int nRow = m_names.FindString(-1, name);
        if (nRow >= 0)
            m_names.DeleteString(static_cast<UINT>(nRow));
        ::DeleteFileA(name + ".shp");
        m_editedName.Empty();
        m_names.SetWindowText("");
        g_pShopMgr->SetShoppingFileName("");
    }
    if (g_pShopMgr->m_bAddFrequentItems)
        MessageBoxById(m_hWnd, nullptr, IDS_FREQUENT_STILL_ADDED, MB_OK);
}

void CShopForm::OnBack()
{
    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
}

int CShopForm::QuerySaveChanges()
{
    if (g_pShopMgr->GetState() != CShopMgr::kModified)
        return CFormManager::kSaveGoOn;
    return AskToSave([] { return g_pShopMgr->SaveShoppingList(); }, [this] { RevertList(); });
}

void CShopForm::RevertList()
{
    m_bListDeclined = TRUE;
    const CString name = g_pShopMgr->GetListName();
    g_pShopMgr->ResetLists();
    g_pShopMgr->OpenShoppingList(name);
}

HBRUSH CShopForm::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    // The option and layout lists stand on the form's background; only the item list has its own.
    const BOOL bOtherList = nCtlColor == CTLCOLOR_LISTBOX && (pWnd == nullptr || pWnd->m_hWnd != m_list.m_hWnd);
    if (bOtherList || nCtlColor == CTLCOLOR_BTN)
        return m_scheme.GetBackgroundBrush();
    if (HBRUSH hBrush = m_scheme.ControlBrush(pDC, pWnd, this, nCtlColor, FALSE))
        return hBrush;
    return CBVFormView::OnCtlColor(pDC, pWnd, nCtlColor);
}

// The lists outlive the form; the current list is written unless the user dropped its changes.
void CShopForm::OnDestroy()
{
    g_pShopMgr->SetShowDetail(IsDlgButtonChecked(IDC_SHOPPING_DETAIL) == BST_CHECKED);
    g_pShopMgr->m_bShowRecipeNames = IsDlgButtonChecked(IDC_SHOPPING_RECIPE_NAMES) == BST_CHECKED;
    g_pShopMgr->SaveItemLists();
    if (!m_bListDeclined)
        g_pShopMgr->SaveShoppingList();
    CBVFormView::OnDestroy();
}
