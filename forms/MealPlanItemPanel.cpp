#include "forms/MealPlanItemPanel.h"

#include <windows.h>
#include <commctrl.h>

#include "database/CookbookDatabase.h"
#include "database/ListItem.h"
#include "database/MenuItem.h"
#include "database/RecipeListItem.h"
#include "forms/FindDlg.h"
#include "forms/MenuHeaderPanel.h"
#include "framework/AfxMessageBox.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/StringArray.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/graphics/FontFaces.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"

BEGIN_MESSAGE_MAP(CMealPlanItemPanel, CWnd)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_EN_UPDATE(IDC_PLAN_ITEM_DAY, OnDayUpdate)
    ON_EN_UPDATE(IDC_PLAN_ITEM_SERVINGS, OnServingsUpdate)
    ON_EN_UPDATE(IDC_PLAN_ITEM_NAME, OnNameUpdate)
    ON_CBN_SELCHANGE(IDC_PLAN_ITEM_MEAL, OnMealChosen)
    ON_CBN_CLOSEUP(IDC_PLAN_ITEM_MEAL, OnMealChosen)
    ON_BN_CLICKED(IDC_PLAN_ITEM_RECIPE_TYPE, OnRecipeType)
    ON_BN_CLICKED(IDC_PLAN_ITEM_MEAL_PLAN_TYPE, OnMealPlanType)
    ON_BN_CLICKED(IDC_PLAN_ITEM_TEXT_TYPE, OnTextType)
    ON_BN_CLICKED(IDC_PLAN_ITEM_DELETE, OnDeleteItem)
    ON_BN_CLICKED(IDC_PLAN_ITEM_INSERT, OnInsertItem)
    ON_BN_CLICKED(IDC_PLAN_ITEM_FIND, OnFindItem)
    ON_NOTIFY(UDN_DELTAPOS, IDC_PLAN_ITEM_DAY_SPIN, OnDaySpin)
    ON_NOTIFY(UDN_DELTAPOS, IDC_PLAN_ITEM_SERVINGS_SPIN, OnServingsSpin)
END_MESSAGE_MAP()

namespace {

const int kFontHeight = 14;
const int kLastDay = 30;
const int kMostServings = 999;
const int kNameLimit = 70;
const char kRecipeType[] = "R";
const char kMealPlanType[] = "M";
const char kTextType[] = "E";
const COLORREF kBackground = RGB(192, 192, 192);

const DWORD kChild = WS_CHILD | WS_VISIBLE;
// Both number fields scroll, so that a number too large can be typed and refused.
const DWORD kNumberStyle = kChild | WS_TABSTOP | WS_BORDER | ES_CENTER | ES_AUTOHSCROLL;
const DWORD kSpinStyle = kChild | UDS_ARROWKEYS | UDS_SETBUDDYINT;

struct Control
{
    UINT nId;
    const char* pszClass;
    UINT nTextId;
    DWORD style;
    RECT rect;
};

// The spin buttons are made beside their edits, once these exist.
const Control kControls[] = {
    {0, "STATIC", IDS_ITEM_PANEL_DAY, kChild, {10, 8, 34, 28}},
    {IDC_PLAN_ITEM_DAY, "EDIT", 0, kNumberStyle, {36, 8, 72, 28}},
    {0, "STATIC", IDS_ITEM_PANEL_MEAL, kChild, {100, 8, 130, 28}},
    {IDC_PLAN_ITEM_MEAL, "COMBOBOX", 0, kChild | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, {132, 8, 242, 124}},
    {0, "STATIC", IDS_ITEM_PANEL_NAME, kChild, {10, 36, 42, 56}},
    {IDC_PLAN_ITEM_NAME, "EDIT", 0, kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, {44, 36, 242, 56}},
    {0, "BUTTON", IDS_ITEM_PANEL_TYPE, kChild | BS_GROUPBOX, {10, 64, 242, 136}},
    {IDC_PLAN_ITEM_RECIPE_TYPE,
     "BUTTON",
     IDS_ITEM_PANEL_RECIPE,
     kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
     {21, 84, 121, 102}},
    {IDC_PLAN_ITEM_MEAL_PLAN_TYPE,
     "BUTTON",
     IDS_ITEM_PANEL_MEAL_PLAN,
     kChild | WS_TABSTOP | BS_AUTORADIOBUTTON,
     {131, 84, 231, 102}},
    {IDC_PLAN_ITEM_TEXT_TYPE,
     "BUTTON",
     IDS_ITEM_PANEL_TEXT,
     kChild | WS_TABSTOP | BS_AUTORADIOBUTTON,
     {21, 110, 121, 128}},
    {0, "STATIC", IDS_ITEM_PANEL_SERVINGS, kChild | WS_GROUP, {10, 144, 58, 164}},
    {IDC_PLAN_ITEM_SERVINGS, "EDIT", 0, kNumberStyle, {60, 144, 96, 164}},
    {IDC_PLAN_ITEM_DELETE, "BUTTON", IDS_ITEM_PANEL_DELETE, kChild | WS_TABSTOP | BS_PUSHBUTTON, {10, 172, 80, 196}},
    {IDC_PLAN_ITEM_INSERT, "BUTTON", IDS_ITEM_PANEL_INSERT, kChild | WS_TABSTOP | BS_PUSHBUTTON, {90, 172, 160, 196}},
    {IDC_PLAN_ITEM_FIND, "BUTTON", IDS_ITEM_PANEL_FIND, kChild | WS_TABSTOP | BS_PUSHBUTTON, {170, 172, 240, 196}},
};

// Tab order: the table's order of the controls that take the focus.
const UINT kFocusOrder[] = {IDC_PLAN_ITEM_DAY,         IDC_PLAN_ITEM_MEAL,           IDC_PLAN_ITEM_NAME,
                            IDC_PLAN_ITEM_RECIPE_TYPE, IDC_PLAN_ITEM_MEAL_PLAN_TYPE, IDC_PLAN_ITEM_TEXT_TYPE,
                            IDC_PLAN_ITEM_SERVINGS,    IDC_PLAN_ITEM_DELETE,         IDC_PLAN_ITEM_INSERT,
                            IDC_PLAN_ITEM_FIND};
const int kFocusCount = static_cast<int>(sizeof kFocusOrder / sizeof kFocusOrder[0]);

const UINT kKindRadios[] = {IDC_PLAN_ITEM_RECIPE_TYPE, IDC_PLAN_ITEM_MEAL_PLAN_TYPE, IDC_PLAN_ITEM_TEXT_TYPE};
const char* const kKindOfRadio[] = {kRecipeType, kMealPlanType, kTextType};
const int kKindCount = 3;

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

// The find dialog's tab chosen at OK gives the kind of the found item.
const char* KindOfFoundTab(int tab)
{
    switch (tab)
    {
    case CFindDlg::kRecipes: return kRecipeType;
    case CFindDlg::kMealPlans: return kMealPlanType;
    default: return kTextType;
    }
}

}  // namespace

CMealPlanItemPanel::CMealPlanItemPanel(CWnd* pForm, const RECT& rect) : m_brush(kBackground)
{
    CreateLabelFont(m_font, GetSansFaceId(), kFontHeight, 0);
    Create(nullptr, "", WS_CHILD | WS_BORDER | WS_CLIPCHILDREN, rect, pForm, 0);
}

CMealPlanItemPanel::~CMealPlanItemPanel()
{
    DestroyWindow();
}

int CMealPlanItemPanel::OnCreate(tagCREATESTRUCTA*)
{
    CreateControls();
    return 0;
}

void CMealPlanItemPanel::CreateControls()
{
    for (const Control& control : kControls)
    {
        const CString text = control.nTextId != 0 ? LoadText(control.nTextId) : CString();
        const RECT& r = control.rect;
        HWND hControl = ::CreateWindowExA(0, control.pszClass, text, control.style, r.left, r.top, r.right - r.left,
                                          r.bottom - r.top, m_hWnd, reinterpret_cast<HMENU>(UINT_PTR{control.nId}),
                                          ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(hControl, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.m_hObject), FALSE);
    }
    m_day.Attach(IDC_PLAN_ITEM_DAY, this, CNumericSpinEdit::kDigits);
    m_servings.Attach(IDC_PLAN_ITEM_SERVINGS, this, CNumericSpinEdit::kDigits);
    CreateSpin(m_daySpin, IDC_PLAN_ITEM_DAY_SPIN, RECT{72, 8, 84, 28}, m_day, 0, kLastDay);
    CreateSpin(m_servingsSpin, IDC_PLAN_ITEM_SERVINGS_SPIN, RECT{96, 144, 108, 164}, m_servings, 1, kMostServings);
    EnableFields(FALSE);
}

void CMealPlanItemPanel::CreateSpin(CSpinControl& spin, UINT nId, const RECT& rect, CNumericSpinEdit& buddy, int lower,
                                    int upper)
{
    spin.Create(kSpinStyle, rect, this, nId);
    spin.SetBuddy(&buddy);
    spin.SetRange(lower, upper);
    spin.SetFont(&m_font);
    buddy.SetRange(lower, upper);
}

void CMealPlanItemPanel::SetOwner(CWnd* pOwner)
{
    m_pOwner = dynamic_cast<CMenuHeaderPanel*>(pOwner);
}

void CMealPlanItemPanel::SetItem(CMenuItem* pItem)
{
    m_pItem = pItem;
    EnableFields(m_pItem != nullptr);
    if (m_pItem != nullptr)
    {
        LoadControls();
        GetDlgItem(IDC_PLAN_ITEM_NAME)->SetFocus();
        return;
    }
    m_loading = TRUE;
    for (UINT nId : {IDC_PLAN_ITEM_DAY, IDC_PLAN_ITEM_NAME, IDC_PLAN_ITEM_SERVINGS})
        SetDlgItemText(static_cast<int>(nId), "");
    SendDlgItemMessage(IDC_PLAN_ITEM_MEAL, CB_SETCURSEL, static_cast<WPARAM>(-1));
    m_loading = FALSE;
    if (m_pOwner != nullptr && IsWindowVisible())
        m_pOwner->FocusLines();
}

// The servings of the items do not count while the plan adjusts every recipe to its own.
void CMealPlanItemPanel::EnableFields(BOOL bEnable)
{
    for (UINT nId : kFocusOrder)
        GetDlgItem(static_cast<int>(nId))->EnableWindow(bEnable);
    m_daySpin.EnableWindow(bEnable);
    const BOOL bServings = bEnable && (m_pOwner == nullptr || !m_pOwner->AreItemServingsFixed());
    m_servings.EnableWindow(bServings);
    m_servingsSpin.EnableWindow(bServings);
}

void CMealPlanItemPanel::LoadControls()
{
    m_loading = TRUE;
    SetDlgItemInt(IDC_PLAN_ITEM_DAY, m_pItem->m_day, FALSE);
    SetDlgItemInt(IDC_PLAN_ITEM_SERVINGS, m_pItem->m_servings, FALSE);
    SetDlgItemText(IDC_PLAN_ITEM_NAME, m_pItem->m_text);
    ShowKind();
    FillMeals();
    SendDlgItemMessage(IDC_PLAN_ITEM_MEAL, CB_SETCURSEL, m_pItem->m_meal);
    m_loading = FALSE;
}

// A line typed as text can still become any kind; a found recipe or meal plan stays its kind.
void CMealPlanItemPanel::ShowKind()
{
    for (UINT nId : kKindRadios)
        CheckDlgButton(static_cast<int>(nId), BST_UNCHECKED);
    if (m_pItem->m_itemId == 0ul)
    {
        CheckDlgButton(IDC_PLAN_ITEM_TEXT_TYPE, BST_CHECKED);
        GetDlgItem(IDC_PLAN_ITEM_FIND)->EnableWindow(FALSE);
        return;
    }
    for (int i = 0; i < kKindCount; ++i)
    {
        if (m_pItem->m_type != kKindOfRadio[i])
            continue;
        for (int j = 0; j < kKindCount; ++j)
            GetDlgItem(static_cast<int>(kKindRadios[j]))->EnableWindow(i == j);
        CheckDlgButton(static_cast<int>(kKindRadios[i]), BST_CHECKED);
    }
}

void CMealPlanItemPanel::FillMeals()
{
    if (SendDlgItemMessage(IDC_PLAN_ITEM_MEAL, CB_GETCOUNT) > 0)
        return;
    const CStringArray& meals = g_pAppSettings->GetMealNames();
    for (int i = 0; i < meals.GetSize(); ++i)
        SendDlgItemMessage(IDC_PLAN_ITEM_MEAL, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(static_cast<LPCSTR>(meals[i])));
}

void CMealPlanItemPanel::ResetNumber(UINT nId, int value)
{
    m_loading = TRUE;
    SetDlgItemInt(static_cast<int>(nId), static_cast<UINT>(value), FALSE);
    m_loading = FALSE;
    SendDlgItemMessage(static_cast<int>(nId), EM_SETSEL, 0, -1);
    SendDlgItemMessage(static_cast<int>(nId), EM_SCROLLCARET);
}

void CMealPlanItemPanel::OnDayUpdate()
{
    if (m_loading || m_pItem == nullptr)
        return;
    int day = static_cast<int>(GetDlgItemInt(IDC_PLAN_ITEM_DAY, nullptr, FALSE));
    if (day > kLastDay)
    {
        AfxMessageBox(IDS_DAY_OUT_OF_RANGE, MB_OK);
        day = kLastDay;
        ResetNumber(IDC_PLAN_ITEM_DAY, day);
    }
    m_pItem->m_day = static_cast<WORD>(day);
    NotifyOwner(TRUE);
}

void CMealPlanItemPanel::OnServingsUpdate()
{
    if (m_loading || m_pItem == nullptr)
        return;
    int servings = static_cast<int>(GetDlgItemInt(IDC_PLAN_ITEM_SERVINGS, nullptr, FALSE));
    if (servings > kMostServings)
    {
        ShowServingsLimitMessage();
        servings = 0;
        ResetNumber(IDC_PLAN_ITEM_SERVINGS, servings);
    }
    m_pItem->m_servings = static_cast<WORD>(servings);
    NotifyOwner(FALSE);
}

// A meal plan is merged in whole, so it is chosen through Find Item, never typed.
void CMealPlanItemPanel::OnNameUpdate()
{
    if (m_loading || m_pItem == nullptr)
        return;
    CWnd* pName = GetDlgItem(IDC_PLAN_ITEM_NAME);
    if (m_pItem->m_type == kMealPlanType && pName->GetWindowTextLength() > 0)
    {
        AfxMessageBox(IDS_USE_FIND_ITEM, MB_OK);
        m_loading = TRUE;
        pName->SetWindowText("");
        m_loading = FALSE;
    }
    CheckFieldLength(pName->m_hWnd, kNameLimit, LoadText(IDS_MEAL_PLAN_ITEM_NAME_LABEL), "70");
    pName->GetWindowText(m_pItem->m_text);
    NotifyOwner(TRUE);
}

void CMealPlanItemPanel::OnMealChosen()
{
    const LRESULT meal = SendDlgItemMessage(IDC_PLAN_ITEM_MEAL, CB_GETCURSEL);
    if (m_loading || m_pItem == nullptr || meal < 0)
        return;
    m_pItem->m_meal = static_cast<WORD>(meal);
    NotifyOwner(TRUE);
}

void CMealPlanItemPanel::OnRecipeType()
{
    GetDlgItem(IDC_PLAN_ITEM_FIND)->EnableWindow(TRUE);
    SetKind(kRecipeType);
}

void CMealPlanItemPanel::OnMealPlanType()
{
    GetDlgItem(IDC_PLAN_ITEM_FIND)->EnableWindow(TRUE);
    SetKind(kMealPlanType);
}

void CMealPlanItemPanel::OnTextType()
{
    GetDlgItem(IDC_PLAN_ITEM_FIND)->EnableWindow(FALSE);
    SetKind(kTextType);
}

void CMealPlanItemPanel::SetKind(const char* pszKind)
{
    if (m_pItem == nullptr || m_pItem->m_type == pszKind)
        return;
    m_pItem->m_type = pszKind;
    NotifyOwner(TRUE);
}

void CMealPlanItemPanel::OnDeleteItem()
{
    if (m_pItem != nullptr && m_pOwner != nullptr)
        m_pOwner->DeleteLine();
}

void CMealPlanItemPanel::OnInsertItem()
{
    if (m_pItem != nullptr && m_pOwner != nullptr)
        m_pOwner->InsertLine();
}

// The item takes the name chosen and the kind of the tab it was found on. A recipe takes its
// id and servings at once; a meal plan is merged in by the header panel.
void CMealPlanItemPanel::OnFindItem()
{
    if (m_pItem == nullptr || (m_pItem->m_type != kRecipeType && m_pItem->m_type != kMealPlanType))
        return;
    CFindDlg::SetShownTab(m_pItem->m_type == kRecipeType ? CFindDlg::kRecipes : CFindDlg::kMealPlans);
    CFindDlg dialog(m_pItem->m_text, TRUE, this);
    if (dialog.DoModal() != IDOK || dialog.GetSelectedItem() == nullptr)
        return;
    m_pItem->m_type = KindOfFoundTab(CFindDlg::GetShownTab());
    m_pItem->m_text = dialog.GetSelectedItem()->m_name;
    if (m_pItem->m_type == kRecipeType && !TakeFoundRecipe())
        return;
    LoadControls();
    NotifyOwner(FALSE);
}

BOOL CMealPlanItemPanel::TakeFoundRecipe()
{
    CRecipeListItem recipe;
    recipe.m_name = m_pItem->m_text;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || pDatabase->ReadRecipeListItem(&recipe, 0) == 0)
    {
        CString message;
        message.Format(LoadText(IDS_RECIPE_NAME_NOT_FOUND), static_cast<const char*>(m_pItem->m_text));
        AfxMessageBox(message, MB_OK);
        // The name stays, to be checked when its line is left.
        LoadControls();
        NotifyOwner(TRUE);
        return FALSE;
    }
    m_pItem->m_itemId = recipe.m_id;
    m_pItem->m_servings = recipe.m_servings >= 1 ? recipe.m_servings : recipe.m_scaledServings;
    return TRUE;
}

void CMealPlanItemPanel::OnDaySpin(NMHDR* pHeader, LRESULT* pResult)
{
    m_day.SpinFromUpDown(pHeader, pResult);
}

void CMealPlanItemPanel::OnServingsSpin(NMHDR* pHeader, LRESULT* pResult)
{
    m_servings.SpinFromUpDown(pHeader, pResult);
}

void CMealPlanItemPanel::NotifyOwner(BOOL bPending)
{
    if (m_pOwner != nullptr)
        m_pOwner->ApplyItemEntry(bPending);
}

BOOL CMealPlanItemPanel::HasFocusedControl(int& index) const
{
    const HWND hFocus = ::GetFocus();
    for (index = 0; index < kFocusCount; ++index)
        if (hFocus != nullptr && hFocus == ::GetDlgItem(m_hWnd, static_cast<int>(kFocusOrder[index])))
            return TRUE;
    return FALSE;
}

BOOL CMealPlanItemPanel::FocusNextControl(int step)
{
    int index = 0;
    return HasFocusedControl(index) && FocusFrom(index + step, step);
}

BOOL CMealPlanItemPanel::FocusEdge(int step)
{
    return IsWindowVisible() && FocusFrom(step > 0 ? 0 : kFocusCount - 1, step);
}

// Disabled controls are passed over; an edit reached this way has its whole text selected.
BOOL CMealPlanItemPanel::FocusFrom(int index, int step)
{
    for (; index >= 0 && index < kFocusCount; index += step)
    {
        CWnd* pControl = GetDlgItem(static_cast<int>(kFocusOrder[index]));
        if (!pControl->IsWindowEnabled())
            continue;
        pControl->SetFocus();
        pControl->SendMessage(EM_SETSEL, 0, -1);
        return TRUE;
    }
    return FALSE;
}

BOOL CMealPlanItemPanel::OnEraseBkgnd(CDC* pDC)
{
    RECT client;
    GetClientRect(&client);
    ::FillRect(pDC->m_hDC, &client, m_brush);
    return TRUE;
}

HBRUSH CMealPlanItemPanel::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_BTN && nCtlColor != CTLCOLOR_STATIC)
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    ::SetBkMode(pDC->m_hDC, TRANSPARENT);
    return m_brush;
}
