#include "forms/MenuHeaderPanel.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <utility>

#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/MenuListItem.h"
#include "database/RecipeListItem.h"
#include "forms/MenuItemView.h"
#include "framework/AfxMessageBox.h"
#include "framework/MessageMap.h"
#include "printing/MealPlanReport.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/graphics/FontFaces.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"

BEGIN_MESSAGE_MAP(CMenuHeaderPanel, CWnd)
    ON_WM_CREATE()
    ON_EN_UPDATE(IDC_MENU_NAME, OnNameUpdate)
    ON_EN_UPDATE(IDC_MENU_DESCRIPTION, OnDescriptionUpdate)
    ON_EN_UPDATE(IDC_MENU_SERVINGS, OnServingsUpdate)
    ON_EN_SETFOCUS(IDC_MENU_NAME, OnFieldFocus)
    ON_EN_SETFOCUS(IDC_MENU_DESCRIPTION, OnFieldFocus)
    ON_EN_SETFOCUS(IDC_MENU_SERVINGS, OnFieldFocus)
    ON_CONTROL(LBN_SETFOCUS, IDC_MENU_LINES, OnListFocus)
    ON_LBN_SELCHANGE(IDC_MENU_LINES, OnListSelChange)
END_MESSAGE_MAP()

namespace {

const int kFontHeight = 16;
const int kNameLimit = 70;
const int kDescriptionLimit = 4095;
const int kServingsReadLength = 16;
const WORD kMostServings = 999;
const long kNoItem = -1;
const int kLoadFailed = 2;
const COLORREF kListBackground = RGB(255, 255, 255);
const COLORREF kListSelection = RGB(164, 200, 240);
const char kRecipeType[] = "R";
const char kMealPlanType[] = "M";
const char kTextType[] = "E";
const UINT kControlIds[] = {IDC_MENU_NAME, IDC_MENU_DESCRIPTION, IDC_MENU_SERVINGS, IDC_MENU_LINES};
const int kControlCount = 4;

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

int TextHeight(CWnd& wnd, CFont& font)
{
    HDC hDC = ::GetDC(wnd.m_hWnd);
    HGDIOBJ old = ::SelectObject(hDC, font.m_hObject);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(hDC, &metrics);
    ::SelectObject(hDC, old);
    ::ReleaseDC(wnd.m_hWnd, hDC);
    return metrics.tmHeight;
}

CString WindowText(const CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

BOOL IsAllDigits(const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return FALSE;
    return TRUE;
}

}  // namespace

CMenuHeaderPanel::CMenuHeaderPanel(std::function<void()> markModified) : m_markModified(std::move(markModified)) {}

BOOL CMenuHeaderPanel::Create(CWnd* pForm, const RECT& area)
{
    return CWnd::Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, area, pForm, 0);
}

int CMenuHeaderPanel::OnCreate(tagCREATESTRUCTA* pCreate)
{
    CreateLabelFont(m_font, GetSansFaceId(), kFontHeight, FW_NORMAL);
    const int top = CreateFields(pCreate->cx);
    m_list.ApplyPrintFont(*g_pAppSettings->GetPrintRecord());
    m_list.SetColors(kListBackground, kListSelection);
    m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS |
                      LBS_USETABSTOPS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                  RECT{0, top, pCreate->cx, pCreate->cy}, this, IDC_MENU_LINES);
    return 0;
}

int CMenuHeaderPanel::CreateFields(int width)
{
    const int h = TextHeight(*this, m_font);
    const DWORD common = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL;
    struct Field
    {
        CPaintedEdit& edit;
        UINT nId;
        UINT nLabelId;
        int height;
        DWORD style;
    };
    const Field fields[] = {
        {m_name, IDC_MENU_NAME, IDS_MEAL_PLAN_NAME_LABEL, 3 * h + 6, ES_CENTER | ES_WANTRETURN},
        {m_description, IDC_MENU_DESCRIPTION, IDS_MEAL_PLAN_DESCRIPTION_LABEL, 5 * h + 6, ES_LEFT | ES_WANTRETURN},
        {m_servings, IDC_MENU_SERVINGS, IDS_MEAL_PLAN_SERVINGS_LABEL, 2 * h + 8, ES_CENTER},
    };
    int top = 0;
    for (const Field& field : fields)
    {
        field.edit.Create(common | field.style, RECT{0, top, width, top + field.height}, this, field.nId,
                          LoadText(field.nLabelId));
        field.edit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), TRUE);
        top += field.height - 1;
    }
    return top + 1;
}

void CMenuHeaderPanel::LoadMealPlan(CMenuData* pPlan)
{
    m_pPlan = pPlan;
    m_pCurrentItem = nullptr;
    m_changePending = FALSE;
    m_loading = TRUE;
    ShowServings();
    if (m_pPlan->m_items.IsEmpty())
        AddEmptyItem(nullptr, nullptr);
    ShowLines(kNoItem);
    m_name.SetWindowText(m_pPlan->m_name);
    m_description.SetWindowText(m_pPlan->m_description);
    m_loading = FALSE;
    // The items the item panel knew may be gone with the plan it showed.
    if (m_pItemView != nullptr)
        m_pItemView->LoadItem(nullptr);
}

void CMenuHeaderPanel::StoreFields()
{
    m_pPlan->m_name = WindowText(m_name);
    m_pPlan->m_description = WindowText(m_description);
}

void CMenuHeaderPanel::FocusName()
{
    m_name.SetFocus();
}

void CMenuHeaderPanel::FocusLines()
{
    m_list.SetFocus();
}

BOOL CMenuHeaderPanel::AreItemServingsFixed() const
{
    return m_pPlan != nullptr && m_pPlan->m_servings != 0;
}

void CMenuHeaderPanel::ShowServings()
{
    if (m_pPlan->m_servings >= 1 && m_pPlan->m_servings <= kMostServings)
    {
        ::SetDlgItemInt(m_hWnd, IDC_MENU_SERVINGS, m_pPlan->m_servings, FALSE);
        return;
    }
    m_pPlan->m_servings = 0;
    ShowServingsNotAdjusted();
}

void CMenuHeaderPanel::ShowServingsNotAdjusted()
{
    const BOOL loading = std::exchange(m_loading, TRUE);
    m_servings.SetWindowText(LoadText(IDS_SERVINGS_NOT_ADJUSTED));
    m_servings.SetSel(0, -1);
    m_loading = loading;
}

void CMenuHeaderPanel::OnNameUpdate()
{
    if (m_loading || m_pPlan == nullptr)
        return;
    CheckFieldLength(m_name.m_hWnd, kNameLimit, LoadText(IDS_MEAL_PLAN_NAME_LABEL), "70");
    m_pPlan->m_name = WindowText(m_name);
    m_markModified();
}

void CMenuHeaderPanel::OnDescriptionUpdate()
{
    if (m_loading || m_pPlan == nullptr)
        return;
    CheckFieldLength(m_description.m_hWnd, kDescriptionLimit, LoadText(IDS_MEAL_PLAN_DESCRIPTION_LABEL), "4095");
    m_pPlan->m_description = WindowText(m_description);
    m_markModified();
}

// A number that is no number leaves the plan as it was; one out of range is a change all the
// same, to "not adjusted".
void CMenuHeaderPanel::OnServingsUpdate()
{
    if (m_loading || m_pPlan == nullptr)
        return;
    const CString text = WindowText(m_servings).Left(kServingsReadLength);
    if (text.IsEmpty())
        return;
    if (!IsAllDigits(text))
    {
        ShowServingsLimitMessage();
        m_pPlan->m_servings = 0;
        ShowServingsNotAdjusted();
        RebuildList();
        return;
    }
    const long servings = std::strtol(text, nullptr, 10);
    if (servings > kMostServings)
    {
        ShowServingsLimitMessage();
        m_pPlan->m_servings = 0;
        ShowServingsNotAdjusted();
        m_markModified();
        return;
    }
    m_pPlan->m_servings = static_cast<WORD>(servings);
    if (servings == 0)
        ShowServingsNotAdjusted();
    RebuildList();
    m_markModified();
}

void CMenuHeaderPanel::FocusNextControl()
{
    MoveFocus(1);
}

void CMenuHeaderPanel::FocusPreviousControl()
{
    MoveFocus(-1);
}

void CMenuHeaderPanel::MoveFocus(int step)
{
    const HWND focus = ::GetFocus();
    int next = 0;
    for (int i = 0; i < kControlCount; ++i)
        if (focus != nullptr && focus == ::GetDlgItem(m_hWnd, static_cast<int>(kControlIds[i])))
            next = (i + step + kControlCount) % kControlCount;
    ::SetFocus(::GetDlgItem(m_hWnd, static_cast<int>(kControlIds[next])));
    if (kControlIds[next] == IDC_MENU_SERVINGS)
        m_servings.SetSel(0, -1);
}

void CMenuHeaderPanel::LineDown()
{
    StepLine(1);
}

void CMenuHeaderPanel::LineUp()
{
    StepLine(-1);
}

void CMenuHeaderPanel::StepLine(int step)
{
    if (!m_itemPanelShown)
    {
        const HWND focus = ::GetFocus();
        for (UINT nId : kControlIds)
            if (focus != nullptr && focus == ::GetDlgItem(m_hWnd, static_cast<int>(nId)))
                ::SendMessageA(focus, WM_KEYDOWN, step > 0 ? VK_DOWN : VK_UP, 0);
        return;
    }
    if (m_changePending)
    {
        CheckCurrentItem();
        RebuildList();
        m_changePending = FALSE;
    }
    const int row = m_list.GetCurSel();
    int next = ItemRowFrom(row + step, step);
    if (next < 0 && step > 0 && m_pPlan != nullptr)
    {
        AddEmptyItem(static_cast<CMenuItem*>(m_pPlan->m_items.GetTail()), nullptr);
        RebuildList();
        next = ItemRowFrom(row + step, step);
    }
    if (next >= 0)
        SelectItemRow(next);
}

void CMenuHeaderPanel::RebuildList()
{
    ShowLines(SelectedItemIndex());
}

void CMenuHeaderPanel::ShowLines(long selectIndex)
{
    m_list.ResetContent();
    m_lines.Clear();
    m_rowItems.clear();
    if (m_pPlan == nullptr)
        return;
    CMealPlanReport report(&m_lines);
    report.NumberEveryItem();
    report.WriteMealPlanDays(m_pPlan, nullptr);
    IndexRows();
    for (int i = 0; i < m_lines.GetCount(); ++i)
    {
        const CPrintedLine* pLine = &m_lines.GetLine(i);
        const int row = m_list.AddString(pLine->LineText());
        m_list.SetItemDataPtr(row, const_cast<CPrintedLine*>(pLine));
        if (selectIndex != kNoItem && ItemIndexOfRow(row) == selectIndex)
            m_list.SetCurSel(row);
    }
}

long CMenuHeaderPanel::SelectedItemIndex() const
{
    return ItemIndexOfRow(m_list.GetCurSel());
}

long CMenuHeaderPanel::ItemIndexOfRow(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_rowItems.size()))
        return kNoItem;
    return m_rowItems[static_cast<size_t>(row)];
}

// Spacers and rules, and the blank lines the report writes in the format of the line before
// them, show no item: an item is shown by the first line that carries its index.
void CMenuHeaderPanel::IndexRows()
{
    m_rowItems.assign(static_cast<size_t>(m_lines.GetCount()), kNoItem);
    long lastIndex = kNoItem;
    for (int i = 0; i < m_lines.GetCount(); ++i)
    {
        const CScreenLine& line = m_lines.GetLine(i);
        if (line.LineValue() == CScreenLine::kSpacer || line.LineValue() == CScreenLine::kRule ||
            line.StyleValue() <= lastIndex)
            continue;
        lastIndex = line.StyleValue();
        m_rowItems[static_cast<size_t>(i)] = lastIndex;
    }
}

CMenuItem* CMenuHeaderPanel::PlanItemAt(long index) const
{
    if (m_pPlan == nullptr || index < 0 || index >= m_pPlan->m_items.GetCount())
        return nullptr;
    return static_cast<CMenuItem*>(m_pPlan->m_items.GetAt(m_pPlan->m_items.FindIndex(static_cast<int>(index))));
}

int CMenuHeaderPanel::ItemRowFrom(int row, int step) const
{
    for (; row >= 0 && row < m_list.GetCount(); row += step)
        if (ItemIndexOfRow(row) != kNoItem)
            return row;
    return -1;
}

int CMenuHeaderPanel::RowOfItem(long index) const
{
    for (int row = 0; row < m_list.GetCount(); ++row)
        if (ItemIndexOfRow(row) == index)
            return row;
    return -1;
}

void CMenuHeaderPanel::SelectItemRow(int row)
{
    m_list.SetCurSel(row);
    OnListSelChange();
}

void CMenuHeaderPanel::AddEmptyItem(const CMenuItem* pLike, CMenuItem* pBefore)
{
    auto* pItem = new CMenuItem;
    pItem->m_type = kTextType;
    if (pLike != nullptr)
    {
        pItem->m_day = pLike->m_day;
        pItem->m_meal = pLike->m_meal;
    }
    CObList& items = m_pPlan->m_items;
    POSITION before = pBefore != nullptr ? items.Find(pBefore) : nullptr;
    if (before != nullptr)
        items.InsertBefore(before, pItem);
    else
        items.AddTail(pItem);
}

void CMenuHeaderPanel::OnListFocus()
{
    int row = m_list.GetCurSel();
    if ((::GetKeyState(VK_LBUTTON) & 0x8000) != 0)
    {
        POINT cursor;
        ::GetCursorPos(&cursor);
        ::ScreenToClient(m_list.m_hWnd, &cursor);
        const LRESULT hit = m_list.SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(cursor.x, cursor.y));
        if (HIWORD(hit) == 0)
            row = LOWORD(hit);
    }
    if (row < 0)
    {
        if (m_pPlan != nullptr && m_pPlan->m_items.IsEmpty())
        {
            AddEmptyItem(nullptr, nullptr);
            RebuildList();
        }
        row = ItemRowFrom(0, 1);
    }
    m_list.SetCurSel(row);
    m_pCurrentItem = PlanItemAt(ItemIndexOfRow(row));
    ShowItemPanel();
}

void CMenuHeaderPanel::ShowItemPanel()
{
    if (!m_itemPanelShown)
    {
        m_itemPanelShown = TRUE;
        if (m_pItemView != nullptr)
            m_pItemView->ShowItemPanel();
    }
    if (m_pItemView != nullptr)
        m_pItemView->LoadItem(m_pCurrentItem);
}

void CMenuHeaderPanel::OnListSelChange()
{
    m_pCurrentItem = PlanItemAt(SelectedItemIndex());
    if (m_pItemView != nullptr)
        m_pItemView->LoadItem(m_pCurrentItem);
}

void CMenuHeaderPanel::OnFieldFocus()
{
    if (!m_itemPanelShown)
        return;
    m_itemPanelShown = FALSE;
    if (m_pItemView != nullptr)
        m_pItemView->HideItemPanel();
}

void CMenuHeaderPanel::CheckCurrentItem()
{
    if (m_pCurrentItem == nullptr || m_pCurrentItem->m_text.IsEmpty())
        return;
    if (m_pCurrentItem->m_type == kRecipeType)
        CheckRecipeItem();
    else if (m_pCurrentItem->m_type == kMealPlanType)
        CheckMealPlanItem();
}

void CMenuHeaderPanel::CheckRecipeItem()
{
    CRecipeListItem recipe;
    recipe.m_name = m_pCurrentItem->m_text;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || pDatabase->ReadRecipeListItem(&recipe, 0) == 0)
    {
        AfxMessageBox(IDS_RECIPE_ITEM_NOT_FOUND, MB_OK);
        m_pCurrentItem->m_type = kTextType;
        return;
    }
    m_pCurrentItem->m_itemId = recipe.m_id;
    m_pCurrentItem->m_servings = recipe.m_servings;
}

void CMenuHeaderPanel::CheckMealPlanItem()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    const MenuListItem* pFound = pDatabase != nullptr ? pDatabase->FindMenu(m_pCurrentItem->m_text, 0) : nullptr;
    if (pFound == nullptr)
    {
        AfxMessageBox(IDS_MEAL_PLAN_ITEM_NOT_FOUND, MB_OK);
        m_pCurrentItem->m_type = kTextType;
        return;
    }
    m_pCurrentItem->m_itemId = pFound->m_id;
    MergeNamedPlan(*pFound);
}

void CMenuHeaderPanel::ApplyItemEntry(BOOL bPending)
{
    if (m_pCurrentItem != nullptr && !m_pCurrentItem->m_text.IsEmpty() && m_pCurrentItem->m_type == kMealPlanType)
    {
        CCookbookDatabase* pDatabase = GetCurrentDatabase();
        const MenuListItem* pFound = pDatabase != nullptr ? pDatabase->FindMenu(m_pCurrentItem->m_text, 0) : nullptr;
        if (pFound == nullptr)
            RefuseMealPlanEntry(IDS_MEAL_PLAN_ENTRY_NOT_FOUND);
        else
            MergeNamedPlan(*pFound);
    }
    else
    {
        m_changePending = bPending;
        RebuildList();
    }
    m_markModified();
}

// Merging the plan into itself would copy its stored items into it.
void CMenuHeaderPanel::MergeNamedPlan(const MenuListItem& found)
{
    if (found.m_id == m_pPlan->m_id)
        RefuseMealPlanEntry(IDS_MEAL_PLAN_INTO_ITSELF);
    else
        MergeMealPlan(found);
}

void CMenuHeaderPanel::RefuseMealPlanEntry(UINT nMessageId)
{
    AfxMessageBox(m_pCurrentItem->m_text + LoadText(nMessageId), MB_OK);
    m_pCurrentItem->m_text.Empty();
    m_pCurrentItem->m_type = kTextType;
    RebuildList();
    if (m_pItemView != nullptr)
        m_pItemView->LoadItem(m_pCurrentItem);
}

void CMenuHeaderPanel::MergeMealPlan(const MenuListItem& found)
{
    CString question;
    question.Format(LoadText(IDS_MEAL_PLAN_ITEMS_ADDED), static_cast<const char*>(found.m_name));
    if (AfxMessageBox(question, MB_OKCANCEL) != IDOK)
        return;
    CMenuData merged;
    merged.m_id = found.m_id;
    if (GetCurrentDatabase()->LoadMenu(merged) == kLoadFailed)
        return;
    const int row = m_list.GetCurSel();
    CObList& items = m_pPlan->m_items;
    const POSITION at = items.Find(m_pCurrentItem);
    for (POSITION from = merged.m_items.GetHeadPosition(); from != nullptr;)
        items.InsertBefore(at, new CMenuItem(*static_cast<const CMenuItem*>(merged.m_items.GetNext(from))));
    items.RemoveAt(at);
    delete m_pCurrentItem;
    m_pCurrentItem = nullptr;
    if (items.IsEmpty())
        AddEmptyItem(nullptr, nullptr);
    RebuildList();
    // The item panel must leave the deleted item even when a plan without items was merged at
    // the last line.
    const int next = ItemRowFrom(row, 1);
    SelectItemRow(next >= 0 ? next : ItemRowFrom(std::min(row, m_list.GetCount() - 1), -1));
}

void CMenuHeaderPanel::DeleteLine()
{
    const long index = SelectedItemIndex();
    CMenuItem* pItem = PlanItemAt(index);
    if (pItem == nullptr)
        return;
    const BOOL wasLast = ItemRowFrom(m_list.GetCurSel() + 1, 1) < 0;
    m_pPlan->m_items.RemoveAt(m_pPlan->m_items.Find(pItem));
    delete pItem;
    m_pCurrentItem = nullptr;
    m_markModified();
    if (m_pPlan->m_items.IsEmpty())
        AddEmptyItem(nullptr, nullptr);
    ShowLines(kNoItem);
    const int row = RowOfItem(wasLast && index > 0 ? index - 1 : index);
    if (row >= 0)
        SelectItemRow(row);
}

void CMenuHeaderPanel::InsertLine()
{
    const int row = m_list.GetCurSel();
    CMenuItem* pItem = PlanItemAt(ItemIndexOfRow(row));
    if (pItem == nullptr)
        return;
    AddEmptyItem(pItem, pItem);
    RebuildList();
    SelectItemRow(row);
}
