#include "forms/IngredientLineDlg.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/CustObList.h"
#include "database/IngData.h"
#include "database/IngRec.h"
#include "database/QuantityText.h"
#include "database/RecipeListItem.h"
#include "database/UnitRec.h"
#include "forms/IngredientDialog.h"
#include "forms/RcpScrollWnd.h"
#include "framework/ListBox.h"
#include "framework/StandardIds.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/MessageUtilities.h"
#include "shell/services/TextUtilities.h"

namespace {

const int kQuantityWidth = 50;
const int kUnitLength = 30;
const int kNameLength = 70;
const double kLargestQuantity = 2147483647.0;
// The notification code of a command that comes from an accelerator key.
const UINT kAcceleratorCode = 1;
const unsigned long kNoUnit = 1;
const UINT kLabelIds[] = {IDC_LINE_QUANTITY_LABEL, IDC_LINE_UNIT_LABEL, IDC_LINE_INGREDIENT_LABEL,
                          IDC_LINE_PREPARATION_LABEL};

BOOL IsRecipeLine(const CIngData& line)
{
    return line.m_lineType == "R";
}

CString WindowText(const CWnd& control)
{
    CString text;
    control.GetWindowText(text);
    return text;
}

void CheckLength(CWnd& control, int nMaximum, UINT nLabelId)
{
    CString label;
    label.LoadString(nLabelId);
    CString maximum;
    maximum.Format("%d", nMaximum);
    CheckFieldLength(control.m_hWnd, nMaximum, label, maximum);
}

// The cookbook's unit whose name, or whose name made plural, is the text in any letter case;
// the text becomes that name as the cookbook writes it.
const CUnitRec* FindUnitByName(CCookbookDatabase& database, CString& text)
{
    const CCustObList& units = database.LoadUnits();
    for (POSITION at = units.GetHeadPosition(); at != nullptr;)
    {
        const auto* pUnit = static_cast<const CUnitRec*>(units.GetNext(at));
        if (pUnit->m_name.CompareNoCase(text) == 0)
        {
            text = pUnit->m_name;
            return pUnit;
        }
    }
    for (POSITION at = units.GetHeadPosition(); at != nullptr;)
    {
        const auto* pUnit = static_cast<const CUnitRec*>(units.GetNext(at));
        CString plural = pUnit->m_name;
        ApplyPluralParentheses(plural, 2.0);
        if (plural.CompareNoCase(text) == 0)
        {
            text = plural;
            return pUnit;
        }
    }
    return nullptr;
}

void ClearUnit(CIngData& line)
{
    line.m_unitId = CRecordId(kNoUnit);
    line.m_unitText.Empty();
    line.m_unitType = 0;
    line.m_unitFactor1 = 1.0;
    line.m_unitFactor2 = 0.0;
    line.m_unitSystem = 0;
}

void ClearIngredient(CIngData& line)
{
    line.m_itemId = CRecordId();
    line.m_groupId = CRecordId();
    line.m_groupName.Empty();
    line.m_basicItemId = CRecordId();
    line.m_basicItemName.Empty();
    line.m_name.Empty();
    line.m_plural.Empty();
    line.m_seasoning = 0;
    line.m_fractional = 0.0;
    line.m_liquid = 0.0;
    line.m_dry = 0.0;
}

void TakeIngredient(CCookbookDatabase& database, const CIngRec& ingredient, CIngData& line)
{
    line.m_itemId = ingredient.m_id;
    line.m_name = ingredient.m_name;
    line.m_plural = ingredient.m_plural;
    line.m_seasoning = ingredient.m_seasoning;
    line.m_fractional = ingredient.m_fractional;
    line.m_liquid = ingredient.m_liquid;
    line.m_dry = ingredient.m_dry;
    line.m_groupId = ingredient.m_groupId;
    const auto& groups = database.LoadGroups();
    const auto group = groups.find(CString(ingredient.m_groupId.GetText()));
    line.m_groupName = group != groups.end() ? group->second : CString();
    database.LoadBasicIngredient(line);
}

}  // namespace

CIngredientLineDlg::CIngredientLineDlg(CRcpScrollWnd* pFieldWnd, CListBox* pList)
    : CDialog(IDD_INGREDIENT_LINE, pFieldWnd), m_pFieldWnd(pFieldWnd), m_pList(pList)
{
    m_labelFont.CreateFont(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    Create(IDD_INGREDIENT_LINE, pFieldWnd);
}

CIngredientLineDlg::~CIngredientLineDlg() = default;

BOOL CIngredientLineDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_hAccelerators = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MEAL_PLAN_EDIT_KEYS));
    m_quantity.SubclassDlgItem(IDC_LINE_QUANTITY, this);
    m_unit.SubclassDlgItem(IDC_LINE_UNIT, this);
    m_ingredient.SubclassDlgItem(IDC_LINE_INGREDIENT, this);
    m_preparation.SubclassDlgItem(IDC_LINE_PREPARATION, this);
    m_recipeName.SubclassDlgItem(IDC_LINE_RECIPE, this);
    m_ingredient.SetIngredientSearch(&m_search);
    for (UINT nId : kLabelIds)
        GetDlgItem(nId)->SetFont(&m_labelFont, FALSE);
    FillUnits();
    m_nLastFocus = IDC_LINE_QUANTITY;
    const int nLine = m_pFieldWnd->GetCurrentLine();
    CIngData* pLine = m_pFieldWnd->GetLineAt(nLine);
    if (pLine != nullptr)
    {
        LoadLine(pLine, nLine);
        MoveToLine(nLine);
    }
    ShowWindow(SW_SHOW);
    return FALSE;
}

void CIngredientLineDlg::FillUnits()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return;
    const CCustObList& units = pDatabase->LoadUnits();
    for (POSITION at = units.GetHeadPosition(); at != nullptr;)
    {
        const auto* pUnit = static_cast<const CUnitRec*>(units.GetNext(at));
        m_unit.SetItemData(m_unit.AddString(pUnit->m_name), static_cast<DWORD_PTR>(pUnit->m_id.GetNumber()));
    }
}

void CIngredientLineDlg::LoadLine(CIngData* pLine, int nIndex)
{
    m_pLine = pLine;
    m_nLine = nIndex;
    m_loading = TRUE;
    char quantity[kQuantityWidth + 1];
    FormatQuantityRange(quantity, kQuantityWidth, 0, pLine->m_minQty, pLine->m_maxQty, false);
    m_quantity.SetWindowText(quantity);
    m_unit.SetWindowText(pLine->m_unitText);
    m_lastUnitText = pLine->m_unitText;
    m_preparation.SetWindowText(pLine->m_preparation);
    m_loading = FALSE;
    ReloadIngredient();
    m_changed = FALSE;
}

void CIngredientLineDlg::ReloadIngredient()
{
    if (m_pLine == nullptr)
        return;
    m_loading = TRUE;
    const BOOL bRecipe = IsRecipeLine(*m_pLine);
    m_ingredient.ShowWindow(bRecipe ? SW_HIDE : SW_SHOW);
    m_recipeName.ShowWindow(bRecipe ? SW_SHOW : SW_HIDE);
    if (bRecipe)
        m_recipeName.SetWindowText(m_pLine->m_name);
    else
        m_ingredient.SetText(m_pLine->m_name);
    m_loading = FALSE;
    if ((m_nLastFocus == IDC_LINE_INGREDIENT && bRecipe) || (m_nLastFocus == IDC_LINE_RECIPE && !bRecipe))
        m_nLastFocus = NameControl().GetDlgCtrlID();
}

CWnd& CIngredientLineDlg::NameControl()
{
    if (m_pLine != nullptr && IsRecipeLine(*m_pLine))
        return m_recipeName;
    return m_ingredient;
}

CString CIngredientLineDlg::GetIngredientText() const
{
    if (m_pLine != nullptr && IsRecipeLine(*m_pLine))
        return WindowText(m_recipeName);
    return WindowText(m_ingredient);
}

void CIngredientLineDlg::MoveToLine(int nIndex)
{
    RECT line{};
    if (m_pList->GetItemRect(nIndex, &line) == LB_ERR)
        return;
    m_pList->ClientToScreen(&line);
    m_pFieldWnd->ScreenToClient(&line);
    RECT dialog{};
    GetWindowRect(&dialog);
    const int width = dialog.right - dialog.left;
    const int height = dialog.bottom - dialog.top;
    SetWindowPos(nullptr, line.left + ::GetSystemMetrics(SM_CXVSCROLL), line.bottom, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT field{};
    m_pFieldWnd->GetClientRect(&field);
    const int overhang = line.bottom + height - field.bottom;
    const int lineHeight = m_pFieldWnd->GetLineHeight();
    // The field window's after-scroll step places the dialog again.
    if (overhang > 0 && lineHeight > 0)
        m_pFieldWnd->ScrollByLines((overhang + lineHeight - 1) / lineHeight);
}

void CIngredientLineDlg::RestoreFocus()
{
    CWnd* pControl = GetDlgItem(m_nLastFocus);
    if (pControl == nullptr || !pControl->IsWindowVisible())
        pControl = &m_quantity;
    pControl->SetFocus();
}

void CIngredientLineDlg::FocusControl(CWnd& control)
{
    control.SetFocus();
    // In a combo box the focus is in its edit field.
    ::SendMessageA(::GetFocus(), EM_SETSEL, 0, -1);
}

BOOL CIngredientLineDlg::Commit()
{
    if (m_pLine == nullptr)
        return TRUE;
    CIngData line = *m_pLine;
    ReadQuantity(line);
    if (!CheckUnit(line) || !CheckIngredient(line))
        return FALSE;
    line.m_preparation = WindowText(m_preparation);
    *m_pLine = line;
    const BOOL bChanged = m_changed;
    m_changed = FALSE;
    m_pFieldWnd->LineChanged(m_pLine, bChanged);
    LoadLine(m_pLine, m_nLine);
    return TRUE;
}

void CIngredientLineDlg::ReadQuantity(CIngData& line)
{
    const CString text = WindowText(m_quantity);
    double low = 0.0;
    double high = 0.0;
    SplitQuantityRange(text, low, high);
    if (!IsQuantityRangeText(text) || !(low < kLargestQuantity) || !(high < kLargestQuantity))
    {
        MessageBoxById(m_hWnd, nullptr, IDS_QUANTITY_TOO_LARGE, MB_ICONEXCLAMATION);
        low = 0.0;
        high = 0.0;
        m_loading = TRUE;
        m_quantity.SetWindowText("");
        m_loading = FALSE;
    }
    line.m_minQty = low;
    line.m_maxQty = high;
}

BOOL CIngredientLineDlg::CheckUnit(CIngData& line)
{
    CString text = WindowText(m_unit);
    if (IsRecipeLine(line))
        text.Empty();
    if (text.IsEmpty())
    {
        ClearUnit(line);
        return TRUE;
    }
    if (text == line.m_unitText)
        return TRUE;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    const CUnitRec* pFound = pDatabase != nullptr ? FindUnitByName(*pDatabase, text) : nullptr;
    if (pFound == nullptr)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_INVALID_UNIT, MB_ICONEXCLAMATION);
        FocusControl(m_unit);
        return FALSE;
    }
    CUnitRec unit(pFound->m_id, pFound->m_value);
    pDatabase->LoadUnitConversions(unit);
    line.m_unitText = text;
    line.m_unitId = pFound->m_id;
    line.m_unitType = unit.m_unitType;
    line.m_unitValue = unit.m_value;
    line.m_unitFactor1 = unit.m_factor1;
    line.m_unitFactor2 = unit.m_factor2;
    line.m_unitSystem = unit.m_unitSystem;
    return TRUE;
}

BOOL CIngredientLineDlg::CheckIngredient(CIngData& line)
{
    const CString text = GetIngredientText();
    if (text.IsEmpty())
    {
        ClearIngredient(line);
        return TRUE;
    }
    if (text == line.m_name)
        return TRUE;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return FALSE;
    if (IsRecipeLine(line))
        return TakeRecipe(*pDatabase, text, line);
    CIngRec ingredient;
    ingredient.m_name = text;
    if (!pDatabase->LoadIngredients(ingredient) && !AddIngredient(*pDatabase, ingredient))
    {
        FocusControl(NameControl());
        return FALSE;
    }
    TakeIngredient(*pDatabase, ingredient, line);
    return TRUE;
}

BOOL CIngredientLineDlg::TakeRecipe(CCookbookDatabase& database, const CString& text, CIngData& line)
{
    CRecipeListItem recipe;
    recipe.m_name = text;
    if (database.ReadRecipeListItem(&recipe, 0) != 1)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_RECIPE_INGREDIENT_NOT_FOUND, MB_ICONEXCLAMATION);
        FocusControl(m_recipeName);
        return FALSE;
    }
    line.m_itemId = recipe.m_id;
    line.m_name = recipe.m_name;
    return TRUE;
}

// Yes at the question opens Add Ingredient on the typed name; the ingredient it saved is found.
BOOL CIngredientLineDlg::AddIngredient(CCookbookDatabase& database, CIngRec& ingredient)
{
    if (MessageBoxById(m_hWnd, nullptr, IDS_ADD_MISSING_INGREDIENT, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    CIngData fresh;
    fresh.m_name = ingredient.m_name;
    CIngredientDialog dialog(this, fresh, CIngredientDialog::kAdd);
    dialog.DoModal();
    const CIngData& added = dialog.GetIngredient();
    if (added.m_itemId == 0UL)
        return FALSE;
    ingredient = CIngRec();
    ingredient.m_id = added.m_itemId;
    return database.LoadIngredients(ingredient);
}

BOOL CIngredientLineDlg::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccelerators != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccelerators, pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CIngredientLineDlg::OnOK()
{
    MoveLine(1);
}

void CIngredientLineDlg::OnCancel()
{
    RequestClose();
}

void CIngredientLineDlg::RequestClose()
{
    m_pFieldWnd->PostMessage(WM_COMMAND, IDC_LINE_CLOSE, 0);
}

BOOL CIngredientLineDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nId = LOWORD(wParam);
    const UINT nCode = HIWORD(wParam);
    if (lParam != 0 && ::IsWindow(reinterpret_cast<HWND>(lParam)))
    {
        OnControlNotify(nId, nCode);
        return CDialog::OnCommand(wParam, lParam);
    }
    switch (nId)
    {
    case ID_EDIT_FORM_NEXT_FIELD: MoveFocus(FALSE); return TRUE;
    case ID_EDIT_FORM_PREVIOUS_FIELD: MoveFocus(TRUE); return TRUE;
    case ID_EDIT_FORM_NEXT_LINE: MoveLine(1); return TRUE;
    case ID_EDIT_FORM_PREVIOUS_LINE: MoveLine(-1); return TRUE;
    case ID_EDIT_COPY:
    case ID_EDIT_CUT:
    case ID_EDIT_PASTE: return TRUE;
    case ID_RATING_EXCELLENT:
    case ID_RATING_GREAT: ForwardToPanel(wParam); return TRUE;
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    default: break;
    }
    if (nCode != kAcceleratorCode)
        return CDialog::OnCommand(wParam, lParam);
    // The form's other keys (Save, Back, the page buttons) work while a line is edited. Posted:
    // leaving the form destroys this editor.
    CWnd* pForm = m_pFieldWnd->GetParent();
    if (pForm != nullptr)
        pForm->PostMessage(WM_COMMAND, wParam, 0);
    return TRUE;
}

void CIngredientLineDlg::OnControlNotify(UINT nId, UINT nCode)
{
    if (nCode == EN_SETFOCUS || nCode == CBN_SETFOCUS)
    {
        m_nLastFocus = nId;
        return;
    }
    if (nId == IDC_LINE_CLOSE)
    {
        if (nCode == BN_CLICKED)
            RequestClose();
        return;
    }
    const BOOL bTyped = nCode == EN_UPDATE || nCode == CBN_EDITUPDATE;
    if (m_loading || !(bTyped || nCode == CBN_CLOSEUP || nCode == CBN_SELCHANGE))
        return;
    if (bTyped)
        CheckTyping(nId);
    m_changed = TRUE;
}

// Quantities are checked when the line is committed: "1 t" is on its way to "1 to 2".
void CIngredientLineDlg::CheckTyping(UINT nId)
{
    switch (nId)
    {
    case IDC_LINE_UNIT: CheckLength(m_unit, kUnitLength, IDS_FIELD_LABEL_UNIT); CompleteUnit(); break;
    case IDC_LINE_INGREDIENT: CheckLength(m_ingredient, kNameLength, IDS_FIELD_LABEL_INGREDIENT); break;
    case IDC_LINE_RECIPE: CheckLength(m_recipeName, kNameLength, IDS_FIELD_LABEL_RECIPE); break;
    case IDC_LINE_PREPARATION: CheckLength(m_preparation, kNameLength, IDS_FIELD_LABEL_PREPARATION); break;
    default: break;
    }
}

void CIngredientLineDlg::CompleteUnit()
{
    // The completed text is written into the box, which reports it as typing again.
    m_loading = TRUE;
    CString text;
    CompleteComboText(m_unit.m_hWnd, text, m_lastUnitText);
    m_loading = FALSE;
}

void CIngredientLineDlg::MoveFocus(BOOL bPrevious)
{
    if (!Commit())
        return;
    HWND hFrom = ::GetFocus();
    while (hFrom != nullptr && ::GetParent(hFrom) != m_hWnd)
        hFrom = ::GetParent(hFrom);
    HWND hNext = ::GetNextDlgTabItem(m_hWnd, hFrom, bPrevious);
    if (hNext != nullptr)
        ::SetFocus(hNext);
}

void CIngredientLineDlg::MoveLine(int nStep)
{
    if (!Commit())
        return;
    const int nTarget = m_nLine + nStep;
    if (nTarget < 0)
        return;
    if (nTarget >= m_pList->GetCount())
        m_pFieldWnd->AppendLine();
    m_pFieldWnd->EditLine(nTarget);
    m_quantity.SetFocus();
}

void CIngredientLineDlg::ForwardToPanel(WPARAM wParam)
{
    CWnd* pPanel = m_pFieldWnd->GetIngredientPanelWindow();
    if (pPanel != nullptr)
        pPanel->SendMessage(WM_COMMAND, wParam, 0);
}
