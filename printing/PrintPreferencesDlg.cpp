#include "printing/PrintPreferencesDlg.h"

#include <windows.h>

#include "framework/DataExchange.h"
#include "res/resource.h"
#include "shell/services/HelpService.h"
#include "shell/settings/WindowPlacement.h"

namespace {

const UINT kPrintPreferencesHelpContext = 2020;
const int kTemplateCount = 8;
// The templates' entries are single characters from 'x' on.
const char kFirstTemplateCharacter = 120;

// Settings files of older versions may hold any number in a flag.
int Flag(int value)
{
    return value != 0 ? 1 : 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CPrintPreferencesDlg, CDialog)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
END_MESSAGE_MAP()

CPrintPreferencesDlg::CPrintPreferencesDlg()
    : CDialog(IDD_PRINT_PREFERENCES), m_previousHelpContext(0), m_helpContextSet(false)
{
    const PrintSettings& record = *g_pAppSettings->GetPrintRecord();
    m_printTemplate = record.PrintTemplate;
    m_recipesInRecipes = Flag(record.RecipesInRecipes);
    m_includeNutrition = Flag(record.IncludeNutrition);
    // The check box asks the opposite: one recipe per page is "not on the same page".
    m_onePerPage = 1 - Flag(record.SamePage);
    m_bookRecipes = Flag(record.BookRecipes);
    m_menuNutrition = Flag(record.MenuNutrition);
    m_menuRecipes = Flag(record.MenuRecipes);
}

CPrintPreferencesDlg::~CPrintPreferencesDlg()
{
    if (m_helpContextSet)
        SetHelpContext(m_previousHelpContext);
}

BOOL CPrintPreferencesDlg::OnInitDialog()
{
    m_previousHelpContext = SetHelpContext(kPrintPreferencesHelpContext);
    m_helpContextSet = true;
    for (int i = 0; i < kTemplateCount; ++i)
    {
        const char entry[2] = {static_cast<char>(kFirstTemplateCharacter + i), '\0'};
        SendDlgItemMessage(IDC_PRINT_TEMPLATE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    const BOOL result = CDialog::OnInitDialog();
    CenterWindowOver(this, nullptr);
    return result;
}

void CPrintPreferencesDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, kPrintPreferencesHelpContext, IDS_HELP_FILE);
}

void CPrintPreferencesDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_CBIndex(pDX, IDC_PRINT_TEMPLATE, m_printTemplate);
    DDX_Check(pDX, IDC_RECIPES_IN_RECIPES, m_recipesInRecipes);
    DDX_Check(pDX, IDC_RECIPE_NUTRITION, m_includeNutrition);
    DDX_Check(pDX, IDC_ONE_RECIPE_PER_PAGE, m_onePerPage);
    DDX_Check(pDX, IDC_BOOK_RECIPES, m_bookRecipes);
    DDX_Check(pDX, IDC_MEAL_PLAN_NUTRITION, m_menuNutrition);
    DDX_Check(pDX, IDC_MEAL_PLAN_RECIPES, m_menuRecipes);
}

void CPrintPreferencesDlg::CopyPreferencesTo(PrintSettings& record) const
{
    record.PrintTemplate = m_printTemplate;
    record.RecipesInRecipes = Flag(m_recipesInRecipes);
    record.IncludeNutrition = Flag(m_includeNutrition);
    record.SamePage = 1 - Flag(m_onePerPage);
    record.BookRecipes = Flag(m_bookRecipes);
    record.MenuNutrition = Flag(m_menuNutrition);
    record.MenuRecipes = Flag(m_menuRecipes);
}
