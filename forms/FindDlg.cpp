#include "forms/FindDlg.h"

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>

#include "database/CookbookDatabase.h"
#include "database/CustObList.h"
#include "database/IngItem.h"
#include "database/IngRec.h"
#include "database/ListItem.h"
#include "database/RecipeListItem.h"
#include "framework/DC.h"
#include "framework/MapStringToPtr.h"
#include "framework/Position.h"
#include "framework/StringList.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/WindowPlacement.h"

namespace {

constexpr int kRememberedTexts = 8;

struct SearchMode
{
    int nTab;
    UINT nRadio;
    UINT nInput;
    UINT nPrompt;
};

// Modes 1 to 7, in order.
const SearchMode kModes[] = {
    {CFindDlg::kRecipes, IDC_FIND_RECIPE_CONTENTS, IDC_FIND_TEXT, IDS_FIND_PROMPT_RECIPE},
    {CFindDlg::kRecipes, IDC_FIND_RECIPE_BY_CATEGORY, IDC_FIND_CATEGORY, IDS_FIND_PROMPT_CATEGORY},
    {CFindDlg::kRecipes, IDC_FIND_RECIPE_BY_INGREDIENT, IDC_FIND_INGREDIENT, IDS_FIND_PROMPT_INGREDIENT},
    {CFindDlg::kMealPlans, IDC_FIND_MEAL_PLAN_NAME, IDC_FIND_TEXT, IDS_FIND_PROMPT_MEAL_PLAN},
    {CFindDlg::kMealPlans, IDC_FIND_MEAL_PLAN_BY_RECIPE, IDC_FIND_TEXT, IDS_FIND_PROMPT_RECIPE},
    {CFindDlg::kIngredients, IDC_FIND_INGREDIENT_NAME, IDC_FIND_INGREDIENT, IDS_FIND_PROMPT_INGREDIENT},
    {CFindDlg::kIngredients, IDC_FIND_INGREDIENT_CATEGORY, IDC_FIND_CATEGORY, IDS_FIND_PROMPT_CATEGORY},
};
constexpr int kModeCount = 7;

struct SearchTab
{
    UINT nName;
    UINT nHeading;
    UINT nHelpContext;
    int nFirstMode;
};

const SearchTab kTabs[] = {
    {IDS_FIND_TAB_RECIPE, IDS_FIND_RECIPES_FOUND, 2016, 1},
    {IDS_FIND_TAB_MEAL_PLAN, IDS_FIND_MEAL_PLANS_FOUND, 2017, 4},
    {IDS_FIND_TAB_INGREDIENT, IDS_FIND_INGREDIENTS_FOUND, 2018, 6},
};

const UINT kColumnNames[] = {IDS_FIND_COLUMN_TITLE, IDS_FIND_COLUMN_SUBTITLE, IDS_FIND_COLUMN_INTRODUCTION,
                             IDS_FIND_COLUMN_DIRECTIONS, IDS_FIND_COLUMN_SOURCE};

const UINT kInputs[] = {IDC_FIND_TEXT, IDC_FIND_CATEGORY, IDC_FIND_INGREDIENT};

// What the dialog keeps between openings, for the whole program.
struct FindState
{
    CCustObList results;
    int nShownTab = CFindDlg::kRecipes;
    int nClosedTab = CFindDlg::kRecipes;
    int modes[3] = {1, 4, 6};
    CString lastText;
    CStringList remembered;  // newest first
};

FindState& State()
{
    static FindState s_state;
    return s_state;
}

const SearchMode& ModeOf(int nMode)
{
    return kModes[nMode - 1];
}

CString ResourceText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

// The ingredient category of that name, in any letter case; "000000" when there is none.
CRecordId CategoryNamed(CCookbookDatabase& database, const CString& name)
{
    const CCustObList& categories = database.LoadBasicItems();
    for (POSITION pos = categories.GetHeadPosition(); pos != nullptr;)
    {
        const auto* pCategory = static_cast<const CListItem*>(categories.GetNext(pos));
        if (pCategory->m_name.CompareNoCase(name) == 0)
            return pCategory->m_id;
    }
    return CRecordId();
}

// Moves the map's recipe items into the list.
void TakeMapItems(CMapStringToPtr& map, CCustObList& found)
{
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;)
    {
        CString key;
        void* pItem = nullptr;
        map.GetNextAssoc(pos, key, pItem);
        if (pItem != nullptr)
            found.AddTail(static_cast<CRecipeListItem*>(pItem));
    }
    map.RemoveAll();
}

void RecipesInCategory(CCookbookDatabase& database, const CString& name, CCustObList& found)
{
    const CRecordId category = CategoryNamed(database, name);
    if (category == "000000")
        return;
    CMapStringToPtr map;
    database.SearchRecipesByIngredient(category, map);
    TakeMapItems(map, found);
}

void RecipesUsingIngredients(CCookbookDatabase& database, const CString& name, CCustObList& found)
{
    CCustObList ingredients;
    database.SearchIngredients(ingredients, name, FALSE, TRUE);
    CStringList ids;
    for (POSITION pos = ingredients.GetHeadPosition(); pos != nullptr;)
        ids.AddTail(static_cast<const CListItem*>(ingredients.GetNext(pos))->m_id.GetText());
    CMapStringToPtr recipes;
    database.FindRecipesUsingItem(ids, recipes);
    for (POSITION pos = recipes.GetStartPosition(); pos != nullptr;)
    {
        CString id;
        void* pUnused = nullptr;
        recipes.GetNextAssoc(pos, id, pUnused);
        auto* pRecipe = new CRecipeListItem;
        pRecipe->m_id = CRecordId(id);
        if (database.ReadRecipeListItem(pRecipe, 1) == 1)
            found.AddTail(pRecipe);
        else
            delete pRecipe;
    }
}

void IngredientsInCategory(CCookbookDatabase& database, const CString& name, CCustObList& found)
{
    const CRecordId category = CategoryNamed(database, name);
    CStringList ids;
    if (category == "000000" || database.GetIngredientsInCategory(ids, category) == 0)
        return;
    for (POSITION pos = ids.GetHeadPosition(); pos != nullptr;)
    {
        CIngRec ingredient(CRecordId(ids.GetNext(pos)), "");
        if (!database.LoadIngredients(ingredient))
            continue;
        auto* pItem = new CIngItem;
        pItem->m_id = ingredient.m_id;
        pItem->m_name = ingredient.m_name;
        pItem->m_extraText = ingredient.m_plural;
        found.AddTail(pItem);
    }
}

// The search of one mode; a database error leaves the list empty.
void RunSearch(CCookbookDatabase& database, int nMode, const CString& text, int nColumn, CCustObList& found)
{
    found.DeleteAll();
    BOOL bDone = TRUE;
    switch (nMode)
    {
    case 1: bDone = database.SearchRecipes(found, text, nColumn); break;
    case 2: RecipesInCategory(database, text, found); break;
    case 3: RecipesUsingIngredients(database, text, found); break;
    case 4: bDone = database.SearchMenus(found, text); break;
    case 5: bDone = database.SearchMenusByRecipe(found, text); break;
    case 6: database.SearchIngredients(found, text, FALSE, TRUE); break;
    default: IngredientsInCategory(database, text, found); break;
    }
    if (!bDone)
        found.DeleteAll();
}

// Keeps in results only what the new search found that results already held.
void Narrow(CCustObList& results, CCustObList& found)
{
    std::set<std::string> kept;
    for (POSITION pos = results.GetHeadPosition(); pos != nullptr;)
        kept.insert(static_cast<const CListItem*>(results.GetNext(pos))->m_id.GetText());
    results.DeleteAll();
    while (!found.IsEmpty())
    {
        auto* pItem = static_cast<CListItem*>(found.RemoveHead());
        if (kept.count(pItem->m_id.GetText()) != 0)
            results.AddTail(pItem);
        else
            delete pItem;
    }
}

void Replace(CCustObList& results, CCustObList& found)
{
    results.DeleteAll();
    while (!found.IsEmpty())
        results.AddTail(found.RemoveHead());
}

}  // namespace

BEGIN_MESSAGE_MAP(CFindDlg, CDialog)
    ON_NOTIFY(TCN_SELCHANGE, IDC_FIND_TABS, OnTabChange)
    ON_COMMAND_RANGE(IDC_FIND_RECIPE_BY_CATEGORY, IDC_FIND_INGREDIENT_CATEGORY, OnModeChosen)
    ON_COMMAND_RANGE(IDC_FIND_RECIPE_CONTENTS, IDC_FIND_RECIPE_CONTENTS, OnModeChosen)
    ON_COMMAND_RANGE(IDC_FIND_MEAL_PLAN_NAME, IDC_FIND_MEAL_PLAN_NAME, OnModeChosen)
    ON_COMMAND_RANGE(IDC_FIND_MEAL_PLAN_BY_RECIPE, IDC_FIND_MEAL_PLAN_BY_RECIPE, OnModeChosen)
    ON_CBN_SETFOCUS(IDC_FIND_COLUMN, OnColumnFocus)
    ON_CBN_SELCHANGE(IDC_FIND_CATEGORY, OnCategoryChosen)
    ON_CBN_SELCHANGE(IDC_FIND_INGREDIENT, OnIngredientChosen)
    ON_CBN_CLOSEUP(IDC_FIND_INGREDIENT, OnIngredientChosen)
    ON_BN_CLICKED(IDC_FIND_START, OnStartSearch)
    ON_BN_CLICKED(IDC_FIND_AGAIN, OnSearchFoundList)
    ON_BN_CLICKED(IDC_FIND_VIEW, OnView)
    ON_LBN_DBLCLK(IDC_FIND_RESULTS, OnView)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CFindDlg::CFindDlg(const char* pszText, BOOL bPickItem, CWnd* pParent)
    : CDialog(IDD_FIND, pParent), m_searchText(pszText != nullptr ? pszText : ""), m_bPickItem(bPickItem),
      m_brush(RGB(192, 192, 192))
{
}

CCustObList& CFindDlg::GetResults()
{
    return State().results;
}

int CFindDlg::GetShownTab()
{
    return State().nShownTab;
}

void CFindDlg::SetShownTab(int nTab)
{
    State().nShownTab = nTab;
}

BOOL CFindDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_ingredients.SubclassDlgItem(IDC_FIND_INGREDIENT, this);
    m_ingredients.SetIngredientSearch(&m_ingredientSearch);
    m_tabs.SubclassDlgItem(IDC_FIND_TABS, this);
    m_helpContext.Save();
    ApplyDialogFont(this);
    if (m_bPickItem)
        SetDlgItemText(IDC_FIND_VIEW, ResourceText(IDS_FIND_PASTE));
    KeepOrDropPreviousResults();
    FillColumnCombo();
    FillTabs();
    FillHistoryCombo();
    if (!m_searchText.IsEmpty())
        SetDlgItemText(InputOfMode(), m_searchText);
    CenterWindowOver(this, m_pParentWnd);
    return TRUE;
}

// The results stay for the tab they were found on, when no other text is asked for.
void CFindDlg::KeepOrDropPreviousResults()
{
    FindState& state = State();
    if (state.nShownTab == state.nClosedTab)
    {
        if (m_searchText.IsEmpty())
            m_searchText = state.lastText;
        if (m_searchText == state.lastText)
            return;
    }
    state.results.DeleteAll();
    state.modes[state.nShownTab] = kTabs[state.nShownTab].nFirstMode;
}

void CFindDlg::FillColumnCombo()
{
    for (UINT nName : kColumnNames)
        SendDlgItemMessage(IDC_FIND_COLUMN, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(static_cast<LPCSTR>(ResourceText(nName))));
    SendDlgItemMessage(IDC_FIND_COLUMN, CB_SETCURSEL, 0);
}

void CFindDlg::FillTabs()
{
    for (const SearchTab& tab : kTabs)
        m_tabs.InsertItem(m_tabs.GetItemCount(), ResourceText(tab.nName));
    m_tabs.SetCurSel(State().nShownTab);
    ShowTab();
}

void CFindDlg::FillHistoryCombo()
{
    const CStringList& remembered = State().remembered;
    for (POSITION pos = remembered.GetHeadPosition(); pos != nullptr;)
        SendDlgItemMessage(IDC_FIND_TEXT, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(static_cast<LPCSTR>(remembered.GetNext(pos))));
    if (!remembered.IsEmpty())
        SendDlgItemMessage(IDC_FIND_TEXT, CB_SETCURSEL, 0);
}

void CFindDlg::OnTabChange(tagNMHDR*, LRESULT* pResult)
{
    State().nShownTab = m_tabs.GetCurSel();
    ShowTab();
    *pResult = 0;
}

void CFindDlg::ShowTab()
{
    const int nTab = State().nShownTab;
    for (const SearchMode& mode : kModes)
        GetDlgItem(static_cast<int>(mode.nRadio))->ShowWindow(mode.nTab == nTab ? SW_SHOW : SW_HIDE);
    GetDlgItem(IDC_FIND_COLUMN)->ShowWindow(nTab == kRecipes ? SW_SHOW : SW_HIDE);
    SetDlgItemText(IDC_FIND_HEADING, ResourceText(kTabs[nTab].nHeading));
    m_nMode = State().modes[nTab];
    m_helpContext.Set(kTabs[nTab].nHelpContext);
    FillResultList();
    ShowMode();
}

void CFindDlg::ShowMode()
{
    const SearchMode& mode = ModeOf(m_nMode);
    for (const SearchMode& other : kModes)
        CheckDlgButton(static_cast<int>(other.nRadio), &other == &mode ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_FIND_PROMPT, ResourceText(mode.nPrompt));
    for (UINT nInput : kInputs)
        GetDlgItem(static_cast<int>(nInput))->ShowWindow(nInput == mode.nInput ? SW_SHOW : SW_HIDE);
    if (mode.nInput == IDC_FIND_CATEGORY)
        FillCategoryCombo();
}

void CFindDlg::FillCategoryCombo()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (SendDlgItemMessage(IDC_FIND_CATEGORY, CB_GETCOUNT) > 0 || pDatabase == nullptr)
        return;
    StartWaitCursor();
    const CCustObList& categories = pDatabase->LoadBasicItems();
    for (POSITION pos = categories.GetHeadPosition(); pos != nullptr;)
        SendDlgItemMessage(IDC_FIND_CATEGORY, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(
                               static_cast<LPCSTR>(static_cast<const CListItem*>(categories.GetNext(pos))->m_name)));
    if (SendDlgItemMessage(IDC_FIND_CATEGORY, CB_GETCOUNT) > 1)
        SendDlgItemMessage(IDC_FIND_CATEGORY, CB_SETCURSEL, 0);
    StopWaitCursor();
}

void CFindDlg::OnModeChosen(UINT nID)
{
    for (int nMode = 1; nMode <= kModeCount; ++nMode)
    {
        if (ModeOf(nMode).nRadio != nID)
            continue;
        m_nMode = nMode;
        State().modes[State().nShownTab] = nMode;
    }
    for (UINT nInput : kInputs)
        SetDlgItemText(static_cast<int>(nInput), "");
    State().results.DeleteAll();
    FillResultList();
    ShowMode();
}

void CFindDlg::OnColumnFocus()
{
    m_nMode = 1;
    State().modes[kRecipes] = 1;
    FillResultList();
    ShowMode();
}

void CFindDlg::PutChosenTextIntoInput(UINT nCombo)
{
    const LRESULT nRow = SendDlgItemMessage(static_cast<int>(nCombo), CB_GETCURSEL);
    if (nRow == CB_ERR)
        return;
    CString text;
    const LRESULT nLength = SendDlgItemMessage(static_cast<int>(nCombo), CB_GETLBTEXTLEN, static_cast<WPARAM>(nRow));
    SendDlgItemMessage(static_cast<int>(nCombo), CB_GETLBTEXT, static_cast<WPARAM>(nRow),
                       reinterpret_cast<LPARAM>(text.GetBuffer(static_cast<int>(nLength))));
    text.ReleaseBuffer();
    SetDlgItemText(static_cast<int>(nCombo), text);
}

void CFindDlg::OnCategoryChosen()
{
    PutChosenTextIntoInput(IDC_FIND_CATEGORY);
}

void CFindDlg::OnIngredientChosen()
{
    PutChosenTextIntoInput(IDC_FIND_INGREDIENT);
}

UINT CFindDlg::InputOfMode() const
{
    return ModeOf(m_nMode).nInput;
}

void CFindDlg::OnStartSearch()
{
    Search(FALSE);
}

void CFindDlg::OnSearchFoundList()
{
    Search(TRUE);
}

void CFindDlg::Search(BOOL bNarrow)
{
    if (m_nMode < 1 || m_nMode > kModeCount)
        return;
    CString text;
    GetDlgItemText(static_cast<int>(InputOfMode()), text);
    CCustObList& results = State().results;
    if (text.IsEmpty())
    {
        MessageBoxById(m_hWnd, nullptr, IDS_FIND_TEXT_NEEDED, MB_ICONEXCLAMATION);
        return;
    }
    if (bNarrow && results.IsEmpty())
    {
        MessageBoxById(m_hWnd, nullptr, IDS_FOUND_LIST_EMPTY, MB_ICONEXCLAMATION);
        return;
    }
    m_searchText = text;
    CCustObList found;
    if (CCookbookDatabase* pDatabase = GetCurrentDatabase())
    {
        StartWaitCursor();
        const int nColumn = static_cast<int>(SendDlgItemMessage(IDC_FIND_COLUMN, CB_GETCURSEL));
        RunSearch(*pDatabase, m_nMode, text, nColumn, found);
        StopWaitCursor();
    }
    if (bNarrow)
        Narrow(results, found);
    else
        Replace(results, found);
    if (results.IsEmpty())
        MessageBoxById(m_hWnd, nullptr, IDS_NONE_FOUND, MB_ICONINFORMATION);
    RememberSearchText();
    FillResultList();
}

void CFindDlg::RememberSearchText()
{
    CStringList& remembered = State().remembered;
    remembered.AddHead(m_searchText);
    while (remembered.GetCount() > kRememberedTexts)
        remembered.RemoveTail();
    SendDlgItemMessage(IDC_FIND_TEXT, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(m_searchText)));
    while (SendDlgItemMessage(IDC_FIND_TEXT, CB_GETCOUNT) > kRememberedTexts)
        SendDlgItemMessage(IDC_FIND_TEXT, CB_DELETESTRING, kRememberedTexts);
}

void CFindDlg::FillResultList()
{
    const CCustObList& results = State().results;
    SendDlgItemMessage(IDC_FIND_RESULTS, LB_RESETCONTENT);
    m_nSelectedRow = -1;
    if (results.IsEmpty())
    {
        SendDlgItemMessage(IDC_FIND_RESULTS, LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(static_cast<LPCSTR>(ResourceText(IDS_FIND_NONE_FOUND_ROW))));
    }
    for (POSITION pos = results.GetHeadPosition(); pos != nullptr;)
    {
        auto* pItem = static_cast<CListItem*>(results.GetNext(pos));
        const LRESULT nRow = SendDlgItemMessage(IDC_FIND_RESULTS, LB_ADDSTRING, 0,
                                                reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pItem->m_name)));
        SendDlgItemMessage(IDC_FIND_RESULTS, LB_SETITEMDATA, static_cast<WPARAM>(nRow),
                           reinterpret_cast<LPARAM>(pItem));
    }
    SetDlgItemInt(IDC_FIND_COUNT, static_cast<UINT>(results.GetCount()), FALSE);
    GetDlgItem(IDC_FIND_AGAIN)->EnableWindow(!results.IsEmpty());
    GetDlgItem(IDC_FIND_VIEW)->EnableWindow(!results.IsEmpty());
}

// Each result is numbered by its row, so that the caller can make the chosen one current.
// Only a selected row is a choice: without one the dialog stays.
void CFindDlg::OnView()
{
    CCustObList& results = State().results;
    if (results.IsEmpty())
    {
        EndDialog(IDCANCEL);
        return;
    }
    const int nRow = static_cast<int>(SendDlgItemMessage(IDC_FIND_RESULTS, LB_GETCURSEL));
    if (nRow < 0)
        return;
    LONG row = 0;
    for (POSITION pos = results.GetHeadPosition(); pos != nullptr; ++row)
        static_cast<CListItem*>(results.GetNext(pos))->m_value = row;
    m_nSelectedRow = nRow;
    EndDialog(IDOK);
}

void CFindDlg::OnOK()
{
    OnView();
}

CListItem* CFindDlg::GetSelectedItem() const
{
    if (m_nSelectedRow < 0)
        return nullptr;
    POSITION pos = GetResults().FindIndex(m_nSelectedRow);
    return pos != nullptr ? static_cast<CListItem*>(GetResults().GetAt(pos)) : nullptr;
}

void CFindDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

HBRUSH CFindDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_BTN)
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkMode(TRANSPARENT);
    return m_brush;
}

void CFindDlg::OnDestroy()
{
    FindState& state = State();
    state.nClosedTab = state.nShownTab;
    state.lastText = m_searchText;
    m_helpContext.Restore();
    CDialog::OnDestroy();
}
