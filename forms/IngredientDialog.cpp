#include "forms/IngredientDialog.h"

#include <windows.h>

#include <cstdlib>

#include "database/CookbookDatabase.h"
#include "database/CustObList.h"
#include "database/IngRec.h"
#include "database/ListItem.h"
#include "database/Nutrition.h"
#include "forms/NutrientFields.h"
#include "framework/DataExchange.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/WindowPlacement.h"

namespace {

constexpr UINT kHelpContext = 2015;
constexpr int kNameLimit = 70;
constexpr double kDefaultAmount = 100.0;
// The cookbook keeps one eighth of a cup beside the cup.
constexpr double kEighthCup = 0.125;

constexpr auto kAmountFields = NutrientFields(IDC_INGREDIENT_CALCIUM, IDC_INGREDIENT_SUGARS);

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

BOOL IsRecordIdText(const CString& text)
{
    if (text.GetLength() != 6)
        return FALSE;
    for (int i = 0; i < text.GetLength(); ++i)
    {
        if (text[i] < '0' || text[i] > '9')
            return FALSE;
    }
    return TRUE;
}

void AddEntry(HWND hCombo, const CString& text, long id)
{
    const LRESULT nRow = ::SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.GetString()));
    ::SendMessageA(hCombo, CB_SETITEMDATA, static_cast<WPARAM>(nRow), id);
}

}  // namespace

BEGIN_MESSAGE_MAP(CIngredientDialog, CDialog)
    ON_CBN_CLOSEUP(IDC_INGREDIENT_NAME_LIST, OnNameCloseUp)
    ON_CBN_KILLFOCUS(IDC_INGREDIENT_NAME_LIST, OnNameKillFocus)
    ON_CBN_EDITCHANGE(IDC_INGREDIENT_NAME_LIST, OnNameEdited)
    ON_EN_CHANGE(IDC_INGREDIENT_NEW_NAME, OnNewNameChange)
    ON_CBN_SELCHANGE(IDC_INGREDIENT_SECTION, OnSectionChosen)
    ON_CBN_SELCHANGE(IDC_INGREDIENT_CATEGORY, OnCategoryChosen)
    ON_EN_UPDATE(IDC_INGREDIENT_AMOUNT, OnAmountUpdate)
    ON_BN_CLICKED(IDC_INGREDIENT_SEASONING, OnFieldChange)
    ON_EN_CHANGE(IDC_INGREDIENT_PLURAL, OnFieldChange)
    // The nutrient fields 581 to 592.
    SVM_ENTRY(WM_COMMAND, EN_CHANGE, IDC_NUTRIENT_SATURATED_FAT, IDC_NUTRIENT_FIBRE, Void, OnFieldChange)
    ON_EN_CHANGE(IDC_INGREDIENT_CALCIUM, OnFieldChange)
    ON_EN_CHANGE(IDC_INGREDIENT_SUGARS, OnFieldChange)
    ON_EN_CHANGE(IDC_INGREDIENT_WHOLE, OnFieldChange)
    ON_EN_CHANGE(IDC_INGREDIENT_CUP, OnFieldChange)
    ON_BN_CLICKED(IDC_INGREDIENT_COPY_VALUES, OnCopyValues)
    ON_CBN_CLOSEUP(IDC_INGREDIENT_COPY_FROM, OnCopyFromCloseUp)
    ON_CBN_KILLFOCUS(IDC_INGREDIENT_COPY_FROM, OnCopyFromKillFocus)
    ON_CBN_EDITCHANGE(IDC_INGREDIENT_COPY_FROM, OnCopyFromEdited)
    ON_BN_CLICKED(IDC_INGREDIENT_SAVE, OnSave)
    ON_BN_CLICKED(IDC_INGREDIENT_CLEAR, OnClear)
    ON_BN_CLICKED(IDC_INGREDIENT_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_INGREDIENT_CLOSE, OnClose)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CIngredientDialog::CIngredientDialog(CWnd* pParent, const CIngData& ingredient, int nMode)
    : CDialog(IDD_INGREDIENT, pParent), m_ingredient(ingredient), m_nMode(nMode)
{
}

BOOL CIngredientDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_helpContext.Set(kHelpContext);
    ApplyDialogFont(this);
    SetWindowText(LoadText(IsEditMode() ? IDS_EDIT_INGREDIENT : IDS_ADD_INGREDIENT));
    GetDlgItem(IsEditMode() ? IDC_INGREDIENT_NEW_NAME : IDC_INGREDIENT_NAME_LIST)->ShowWindow(SW_HIDE);
    m_bLoading = TRUE;
    if (IsEditMode())
        FillNames(IDC_INGREDIENT_NAME_LIST);
    else
        SetDlgItemText(IDC_INGREDIENT_NEW_NAME, m_ingredient.m_name);
    m_bLoading = FALSE;
    GetDlgItem(IDC_INGREDIENT_DELETE)->EnableWindow(IsEditMode());
    FillSections();
    FillCategories();
    GetDlgItem(IDC_INGREDIENT_COPY_FROM)->EnableWindow(FALSE);
    // A found ingredient arrives by id and name only: its row is read, or a save would lose it.
    if (IsEditMode() && m_ingredient.m_itemId != 0UL)
    {
        LoadIngredient(m_ingredient.m_itemId);
    }
    else
    {
        ReadProfile(m_ingredient);
        if (CCookbookDatabase* pDatabase = GetCurrentDatabase())
            pDatabase->LoadBasicIngredient(m_ingredient);
        ShowRecord();
    }
    if (IsEditMode())
        SendDlgItemMessage(IDC_INGREDIENT_NAME_LIST, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(m_ingredient.m_name.GetString()));
    CenterWindowOver(this, m_pParentWnd);
    m_bChanged = FALSE;
    return TRUE;
}

void CIngredientDialog::FillNames(int nCombo)
{
    HWND hCombo = GetDlgItem(nCombo)->m_hWnd;
    ::SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return;
    CCustObList names;
    pDatabase->LoadIngredientNames(names);
    for (POSITION position = names.GetHeadPosition(); position != nullptr;)
    {
        const auto* pItem = static_cast<const CListItem*>(names.GetNext(position));
        AddEntry(hCombo, pItem->m_name, pItem->m_id.GetNumber());
    }
}

// The group map holds both directions: id text to name and name to id text.
void CIngredientDialog::FillSections()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return;
    HWND hCombo = GetDlgItem(IDC_INGREDIENT_SECTION)->m_hWnd;
    for (const auto& group : pDatabase->LoadGroups())
    {
        if (IsRecordIdText(group.first))
            AddEntry(hCombo, group.second, CRecordId(group.first).GetNumber());
    }
}

void CIngredientDialog::FillCategories()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return;
    HWND hCombo = GetDlgItem(IDC_INGREDIENT_CATEGORY)->m_hWnd;
    const CCustObList& items = pDatabase->LoadBasicItems();
    for (POSITION position = items.GetHeadPosition(); position != nullptr;)
    {
        const auto* pItem = static_cast<const CListItem*>(items.GetNext(position));
        AddEntry(hCombo, pItem->m_name, pItem->m_id.GetNumber());
    }
}

void CIngredientDialog::ShowRecord()
{
    m_bLoading = TRUE;
    CheckDlgButton(IDC_INGREDIENT_SEASONING, m_ingredient.m_seasoning ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_INGREDIENT_PLURAL, m_ingredient.m_plural);
    NUTRITION shown = *m_ingredient.GetNutrition();
    shown.Recalculate();
    shown.MultiplyBy(static_cast<double>(shown.m_unitQuantity));
    for (const NutrientField& field : kAmountFields)
        SetDlgItemFloat(m_hWnd, field.nId, shown.m_amount[field.amount]);
    SetDlgItemFloat(m_hWnd, IDC_INGREDIENT_AMOUNT, shown.m_unitQuantity);
    SetDlgItemFloat(m_hWnd, IDC_INGREDIENT_CALORIES, shown.m_calories);
    SetDlgItemFloat(m_hWnd, IDC_INGREDIENT_WHOLE, m_ingredient.m_fractional);
    SetDlgItemFloat(m_hWnd, IDC_INGREDIENT_CUP, m_ingredient.m_dry);
    SelectSection();
    SelectCategory();
    m_bLoading = FALSE;
}

void CIngredientDialog::SelectSection()
{
    const long id = m_ingredient.m_groupId.GetNumber();
    const LRESULT nCount = SendDlgItemMessage(IDC_INGREDIENT_SECTION, CB_GETCOUNT);
    LRESULT nFound = -1;
    for (LRESULT nRow = 0; id != 0 && nRow < nCount && nFound < 0; ++nRow)
    {
        if (SendDlgItemMessage(IDC_INGREDIENT_SECTION, CB_GETITEMDATA, static_cast<WPARAM>(nRow)) == id)
            nFound = nRow;
    }
    SendDlgItemMessage(IDC_INGREDIENT_SECTION, CB_SETCURSEL, static_cast<WPARAM>(nFound));
}

void CIngredientDialog::SelectCategory()
{
    const LRESULT nRow = m_ingredient.m_basicItemName.IsEmpty()
                             ? CB_ERR
                             : SendDlgItemMessage(IDC_INGREDIENT_CATEGORY, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                  reinterpret_cast<LPARAM>(m_ingredient.m_basicItemName.GetString()));
    SendDlgItemMessage(IDC_INGREDIENT_CATEGORY, CB_SETCURSEL, static_cast<WPARAM>(nRow));
}

// Read as a line with no quantity and no unit, the profile comes per gram whatever the record
// carries: shown times the amount, it gives the catalogue's figures for that amount.
void CIngredientDialog::ReadProfile(CIngData& ingredient)
{
    CIngData probe;
    probe.m_itemId = ingredient.m_itemId;
    if (CCookbookDatabase* pDatabase = GetCurrentDatabase())
        pDatabase->ReadIngredientNutrition(probe);
    NUTRITION profile = *probe.GetNutrition();
    // A division by the amount follows on saving.
    if (profile.m_unitQuantity < 1.0f)
        profile.m_unitQuantity = static_cast<float>(kDefaultAmount);
    ingredient.SetNutrition(&profile);
}

void CIngredientDialog::LoadIngredient(const CRecordId& id)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    CIngRec row(id, "");
    if (pDatabase == nullptr || !pDatabase->LoadIngredients(row))
        return;
    m_ingredient.m_itemId = row.m_id;
    m_ingredient.m_name = row.m_name;
    m_ingredient.m_plural = row.m_plural;
    m_ingredient.m_seasoning = row.m_seasoning;
    m_ingredient.m_fractional = row.m_fractional;
    m_ingredient.m_dry = row.m_dry;
    m_ingredient.m_liquid = row.m_dry * kEighthCup;
    m_ingredient.m_groupId = row.m_groupId;
    ReadProfile(m_ingredient);
    pDatabase->LoadBasicIngredient(m_ingredient);
    m_lastLoaded = row.m_id;
    ShowRecord();
    m_bChanged = FALSE;
}

void CIngredientDialog::CopyValuesFrom(const CRecordId& id)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    CIngRec row(id, "");
    if (pDatabase == nullptr || !UpdateData(TRUE) || !pDatabase->LoadIngredients(row))
        return;
    CIngData source;
    source.m_itemId = id;
    ReadProfile(source);
    pDatabase->LoadBasicIngredient(source);
    m_ingredient.SetNutrition(source.GetNutrition());
    m_ingredient.m_fractional = row.m_fractional;
    m_ingredient.m_dry = row.m_dry;
    m_ingredient.m_liquid = row.m_dry * kEighthCup;
    m_ingredient.m_groupId = row.m_groupId;
    m_ingredient.m_seasoning = row.m_seasoning;
    m_ingredient.m_basicItemId = source.m_basicItemId;
    m_ingredient.m_basicItemName = source.m_basicItemName;
    ShowRecord();
    m_bChanged = TRUE;
}

void CIngredientDialog::DoDataExchange(CDataExchange* pDX)
{
    if (!pDX->m_bSaveAndValidate)
        return;
    NUTRITION typed = *m_ingredient.GetNutrition();
    for (const NutrientField& field : kAmountFields)
        DDX_Text(pDX, field.nId, typed.m_amount[field.amount]);
    double amount = kDefaultAmount;
    double whole = 0;
    double cup = 0;
    DDX_Text(pDX, IDC_INGREDIENT_AMOUNT, amount);
    DDX_Text(pDX, IDC_INGREDIENT_WHOLE, whole);
    DDX_Text(pDX, IDC_INGREDIENT_CUP, cup);
    if (amount < 1.0)
        amount = kDefaultAmount;
    typed.m_unitQuantity = static_cast<float>(amount);
    typed.DivideBy(amount);
    m_ingredient.SetNutrition(&typed);
    m_ingredient.m_fractional = whole;
    m_ingredient.m_dry = cup;
    m_ingredient.m_liquid = cup * kEighthCup;
    m_ingredient.m_seasoning = IsDlgButtonChecked(IDC_INGREDIENT_SEASONING) == BST_CHECKED;
    GetDlgItemText(IDC_INGREDIENT_PLURAL, m_ingredient.m_plural);
}

long CIngredientDialog::ChosenId(HWND hCombo, BOOL bByText)
{
    LRESULT nRow = ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
    if (bByText)
    {
        char text[128] = "";
        ::GetWindowTextA(hCombo, text, sizeof text);
        // The exact search ignores letter case.
        nRow = text[0] == '\0' ? CB_ERR
                               : ::SendMessageA(hCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(text));
    }
    return nRow < 0 ? 0 : static_cast<long>(::SendMessageA(hCombo, CB_GETITEMDATA, static_cast<WPARAM>(nRow), 0));
}

void CIngredientDialog::SwitchTo(long id)
{
    if (id == 0 || id == m_lastLoaded.GetNumber())
        return;
    if (m_bChanged && MessageBoxById(m_hWnd, nullptr, IDS_SAVE_BEFORE_SWITCHING, MB_YESNO | MB_ICONQUESTION) == IDYES &&
        !Save(m_ingredient.m_name))
        return;
    LoadIngredient(CRecordId(static_cast<unsigned long>(id)));
}

void CIngredientDialog::OnNameCloseUp()
{
    SwitchTo(ChosenId(GetDlgItem(IDC_INGREDIENT_NAME_LIST)->m_hWnd, FALSE));
}

void CIngredientDialog::OnNameKillFocus()
{
    SwitchTo(ChosenId(GetDlgItem(IDC_INGREDIENT_NAME_LIST)->m_hWnd, TRUE));
}

void CIngredientDialog::OnNameEdited()
{
    CString text;
    CompleteComboText(GetDlgItem(IDC_INGREDIENT_NAME_LIST)->m_hWnd, text, m_lastNameText);
}

void CIngredientDialog::OnNewNameChange()
{
    if (m_bLoading)
        return;
    CheckFieldLength(GetDlgItem(IDC_INGREDIENT_NEW_NAME)->m_hWnd, kNameLimit, "Ingredient", "70");
    m_bChanged = TRUE;
}

void CIngredientDialog::OnSectionChosen()
{
    const LRESULT nRow = SendDlgItemMessage(IDC_INGREDIENT_SECTION, CB_GETCURSEL);
    if (nRow >= 0)
        m_ingredient.m_groupId = CRecordId(static_cast<unsigned long>(
            SendDlgItemMessage(IDC_INGREDIENT_SECTION, CB_GETITEMDATA, static_cast<WPARAM>(nRow))));
}

void CIngredientDialog::OnCategoryChosen()
{
    const LRESULT nRow = SendDlgItemMessage(IDC_INGREDIENT_CATEGORY, CB_GETCURSEL);
    if (nRow < 0)
        return;
    m_ingredient.m_basicItemId = CRecordId(static_cast<unsigned long>(
        SendDlgItemMessage(IDC_INGREDIENT_CATEGORY, CB_GETITEMDATA, static_cast<WPARAM>(nRow))));
    char name[128] = "";
    SendDlgItemMessage(IDC_INGREDIENT_CATEGORY, CB_GETLBTEXT, static_cast<WPARAM>(nRow),
                       reinterpret_cast<LPARAM>(name));
    m_ingredient.m_basicItemName = name;
}

void CIngredientDialog::OnAmountUpdate()
{
    if (m_bLoading)
        return;
    CString text;
    GetDlgItemText(IDC_INGREDIENT_AMOUNT, text);
    const double amount = std::atof(text);
    if (amount < 1.0 || amount > 999.0)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_AMOUNT_OUT_OF_RANGE, MB_ICONEXCLAMATION);
        SetDlgItemText(IDC_INGREDIENT_AMOUNT, "100.");
        SendDlgItemMessage(IDC_INGREDIENT_AMOUNT, EM_SETSEL, 0, -1);
    }
    else
    {
        m_ingredient.GetNutrition()->m_unitQuantity = static_cast<float>(amount);
    }
    m_bChanged = TRUE;
}

void CIngredientDialog::OnFieldChange()
{
    if (!m_bLoading)
        m_bChanged = TRUE;
}

void CIngredientDialog::OnCopyValues()
{
    const BOOL bCopy = IsDlgButtonChecked(IDC_INGREDIENT_COPY_VALUES) == BST_CHECKED;
    CWnd* pFrom = GetDlgItem(IDC_INGREDIENT_COPY_FROM);
    pFrom->EnableWindow(bCopy);
    if (!bCopy)
        return;
    if (pFrom->SendMessage(CB_GETCOUNT) == 0)
        FillNames(IDC_INGREDIENT_COPY_FROM);
    const CString name = TypedName();
    pFrom->SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.GetString()));
    pFrom->SetFocus();
}

void CIngredientDialog::OnCopyFromCloseUp()
{
    const long id = ChosenId(GetDlgItem(IDC_INGREDIENT_COPY_FROM)->m_hWnd, FALSE);
    if (id != 0)
        CopyValuesFrom(CRecordId(static_cast<unsigned long>(id)));
}

void CIngredientDialog::OnCopyFromKillFocus()
{
    const long id = ChosenId(GetDlgItem(IDC_INGREDIENT_COPY_FROM)->m_hWnd, TRUE);
    if (id != 0)
        CopyValuesFrom(CRecordId(static_cast<unsigned long>(id)));
}

void CIngredientDialog::OnCopyFromEdited()
{
    CString text;
    CompleteComboText(GetDlgItem(IDC_INGREDIENT_COPY_FROM)->m_hWnd, text, m_lastCopyText);
}

CString CIngredientDialog::TypedName() const
{
    CString name;
    GetDlgItemText(IsEditMode() ? IDC_INGREDIENT_NAME_LIST : IDC_INGREDIENT_NEW_NAME, name);
    return name;
}

// Every match is looked at: the search finds names that contain the text, and the first of
// them need not be the one of that very name.
CRecordId CIngredientDialog::FindByName(const CString& name) const
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    CCustObList found;
    if (pDatabase == nullptr || pDatabase->SearchIngredients(found, name, FALSE, TRUE) == 0)
        return CRecordId();
    for (POSITION position = found.GetHeadPosition(); position != nullptr;)
    {
        const auto* pItem = static_cast<const CListItem*>(found.GetNext(position));
        if (pItem->m_name.CompareNoCase(name) == 0)
            return pItem->m_id;
    }
    return CRecordId();
}

// The cookbook keeps the profile per 100 g.
BOOL CIngredientDialog::Save(const CString& name)
{
    if (name.IsEmpty())
    {
        MessageBoxById(m_hWnd, nullptr, IDS_INGREDIENT_NAME_NEEDED, MB_ICONEXCLAMATION);
        return FALSE;
    }
    const CRecordId existing = FindByName(name);
    if (existing != 0UL && existing != m_ingredient.m_itemId)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_INGREDIENT_EXISTS, MB_ICONEXCLAMATION);
        return FALSE;
    }
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || !UpdateData(TRUE))
        return FALSE;
    m_ingredient.m_name = name;
    const NUTRITION kept = *m_ingredient.GetNutrition();
    NUTRITION stored = kept;
    stored.MultiplyBy(100.0);
    m_ingredient.SetNutrition(&stored);
    const BOOL bSaved = pDatabase->SaveIngredient(m_ingredient, TRUE);
    m_ingredient.SetNutrition(&kept);
    pDatabase->CloseRecordsets();
    if (!bSaved)
        return FALSE;
    m_bChanged = FALSE;
    m_lastLoaded = m_ingredient.m_itemId;
    if (IsEditMode())
    {
        FillNames(IDC_INGREDIENT_NAME_LIST);
        SendDlgItemMessage(IDC_INGREDIENT_NAME_LIST, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(name.GetString()));
    }
    return TRUE;
}

void CIngredientDialog::OnSave()
{
    Save(TypedName());
}

void CIngredientDialog::ClearRecord()
{
    SetDlgItemText(IsEditMode() ? IDC_INGREDIENT_NAME_LIST : IDC_INGREDIENT_NEW_NAME, "");
    m_ingredient.m_itemId = CRecordId();
    m_ingredient.m_groupId = CRecordId();
    m_ingredient.m_basicItemId = CRecordId();
    m_ingredient.m_basicItemName.Empty();
    m_ingredient.m_seasoning = 0;
    m_ingredient.m_fractional = m_ingredient.m_dry = m_ingredient.m_liquid = 0;
    NUTRITION& profile = *m_ingredient.GetNutrition();
    const float amount = profile.m_unitQuantity;
    profile.SetAll(0.0);
    profile.m_unitQuantity = amount;
    CheckDlgButton(IDC_INGREDIENT_COPY_VALUES, BST_UNCHECKED);
    SendDlgItemMessage(IDC_INGREDIENT_COPY_FROM, CB_RESETCONTENT);
    GetDlgItem(IDC_INGREDIENT_COPY_FROM)->EnableWindow(FALSE);
    m_lastLoaded = CRecordId();
    ShowRecord();
    m_bChanged = FALSE;
}

void CIngredientDialog::OnClear()
{
    ClearRecord();
}

// The deleted name leaves the list: choosing it would load a row that is gone.
void CIngredientDialog::OnDelete()
{
    const CString name = TypedName();
    const CRecordId id = FindByName(name);
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || id == 0UL ||
        MessageBoxById(m_hWnd, name, IDS_DELETE_INGREDIENT, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!pDatabase->DeleteIngredient(id))
    {
        MessageBoxById(m_hWnd, nullptr, IDS_INGREDIENT_NOT_DELETED, MB_ICONEXCLAMATION);
        return;
    }
    const LRESULT nCount = SendDlgItemMessage(IDC_INGREDIENT_NAME_LIST, CB_GETCOUNT);
    for (LRESULT nRow = nCount - 1; nRow >= 0; --nRow)
    {
        if (SendDlgItemMessage(IDC_INGREDIENT_NAME_LIST, CB_GETITEMDATA, static_cast<WPARAM>(nRow)) == id.GetNumber())
            SendDlgItemMessage(IDC_INGREDIENT_NAME_LIST, CB_DELETESTRING, static_cast<WPARAM>(nRow));
    }
    ClearRecord();
}

void CIngredientDialog::OnClose()
{
    if (m_bChanged)
    {
        const int nAnswer = MessageBoxById(m_hWnd, nullptr, IDS_SAVE_BEFORE_CLOSING, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (nAnswer == IDCANCEL || (nAnswer == IDYES && !Save(TypedName())))
            return;
    }
    EndDialog(IDC_INGREDIENT_CLOSE);
}

void CIngredientDialog::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CIngredientDialog::OnDestroy()
{
    m_helpContext.Restore();
    CWnd::OnDestroy();
}
