#include "forms/DuplicateRecipeDlg.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/RecipeData.h"
#include "forms/ChapterRows.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/controls/DialogControls.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/services/PlainMessageBox.h"
#include "shell/settings/WindowPlacement.h"

namespace {
constexpr UINT kHelpContext = 2045;
constexpr int kMaximumTitle = 70;
constexpr int kLoadWhole =
    CRecipeData::kLoadLines | CRecipeData::kLoadCategories | CRecipeData::kLoadReferences | CRecipeData::kLoadRecipeRow;
constexpr int kWritten = 0;
constexpr int kFailed = 2;
constexpr int kReadOnly = 3;
}  // namespace

BEGIN_MESSAGE_MAP(CDuplicateRecipeDlg, CDialog)
    ON_EN_UPDATE(IDC_DUPLICATE_NAME, OnNameUpdate)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CDuplicateRecipeDlg::CDuplicateRecipeDlg(CWnd* pParent) : CDialog(IDD_DUPLICATE_RECIPE, pParent) {}

BOOL CDuplicateRecipeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_helpContext.Set(kHelpContext);
    CenterWindowOver(this, m_pParentWnd);
    SetDlgItemText(IDC_DUPLICATE_SOURCE, m_sourceTitle);
    FillChapters();
    if (!m_proposedName.IsEmpty())
        SetDlgItemText(IDC_DUPLICATE_NAME, m_proposedName);
    return TRUE;
}

void CDuplicateRecipeDlg::FillChapters()
{
    const int nRow = AddChapterRows(GetDlgItem(IDC_DUPLICATE_CHAPTER)->m_hWnd, TRUE, m_sourceChapterId);
    if (nRow >= 0)
        SendDlgItemMessage(IDC_DUPLICATE_CHAPTER, CB_SETCURSEL, static_cast<WPARAM>(nRow));
}

void CDuplicateRecipeDlg::OnNameUpdate()
{
    CString field;
    field.LoadString(IDS_RECIPE_TITLE_FIELD);
    CheckFieldLength(GetDlgItem(IDC_DUPLICATE_NAME)->m_hWnd, kMaximumTitle, field, "70");
    GetDlgItemText(IDC_DUPLICATE_NAME, m_newName);
}

void CDuplicateRecipeDlg::OnOK()
{
    GetDlgItemText(IDC_DUPLICATE_NAME, m_newName);
    if (m_newName.IsEmpty())
    {
        MessageBoxById(m_hWnd, nullptr, IDS_DUPLICATE_NAME_NEEDED, MB_ICONEXCLAMATION);
        return;
    }
    const LRESULT nRow = SendDlgItemMessage(IDC_DUPLICATE_CHAPTER, CB_GETCURSEL);
    if (nRow < 0)
        return;
    m_chapterId = static_cast<unsigned long>(
        SendDlgItemMessage(IDC_DUPLICATE_CHAPTER, CB_GETITEMDATA, static_cast<WPARAM>(nRow)));
    GetDlgItemText(IDC_DUPLICATE_CHAPTER, m_chapterTitle);
    CString question;
    question.LoadString(IDS_CONFIRM_DUPLICATE);
    CString text;
    text.Format(question, static_cast<LPCSTR>(m_newName), static_cast<LPCSTR>(m_chapterTitle));
    CString caption;
    caption.LoadString(IDS_PRODUCT_CAPTION);
    if (ShowShellMessageBox(m_hWnd, text, caption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    const int nResult = InsertCopy();
    if (nResult == kWritten)
    {
        EndDialog(IDOK);
        return;
    }
    MessageBoxById(m_hWnd, nullptr, nResult == kReadOnly ? IDS_COOKBOOK_READ_ONLY : IDS_RECIPE_NOT_SAVED,
                   MB_ICONEXCLAMATION);
}

// The copy is a record of its own: the recipe the forms show (the current-recipe cache) must
// keep its id, title and chapter.
int CDuplicateRecipeDlg::InsertCopy()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return kFailed;
    StartWaitCursor();
    CRecipeData copy;
    copy.m_recipeId = m_sourceId;
    int nResult = pDatabase->LoadRecipe(&copy, kLoadWhole) == 0 ? kWritten : kFailed;
    if (nResult == kWritten)
    {
        copy.m_recipeId = "000000";
        copy.m_title = m_newName;
        copy.m_chapterId = m_chapterId;
        copy.m_chapterTitle = m_chapterTitle;
        nResult = pDatabase->InsertRecipe(copy, FALSE);
    }
    StopWaitCursor();
    return nResult;
}

void CDuplicateRecipeDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CDuplicateRecipeDlg::OnDestroy()
{
    m_helpContext.Restore();
    CWnd::OnDestroy();
}
