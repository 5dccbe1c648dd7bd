#include "forms/EditChaptersDlg.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/TOCListItem.h"
#include "forms/ChapterRows.h"
#include "framework/String.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/WindowPlacement.h"

namespace {
constexpr UINT kHelpContext = 2034;
}

BEGIN_MESSAGE_MAP(CEditChaptersDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_CHAPTER_LIST, OnChapterSelected)
    ON_EN_UPDATE(IDC_CHAPTER_NAME, OnNameUpdate)
    ON_BN_CLICKED(IDC_CHAPTER_ADD, OnAdd)
    ON_BN_CLICKED(IDC_CHAPTER_SAVE, OnSave)
    ON_BN_CLICKED(IDC_CHAPTER_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CEditChaptersDlg::CEditChaptersDlg(CWnd* pParent) : CDialog(IDD_EDIT_CHAPTERS, pParent) {}

BOOL CEditChaptersDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_helpContext.Set(kHelpContext);
    FillChapters();
    EnableRowButtons(FALSE);
    CenterWindowOver(this, m_pParentWnd);
    return TRUE;
}

void CEditChaptersDlg::FillChapters()
{
    SendDlgItemMessage(IDC_CHAPTER_LIST, LB_RESETCONTENT);
    AddChapterRows(GetDlgItem(IDC_CHAPTER_LIST)->m_hWnd, FALSE, CRecordId());
}

void CEditChaptersDlg::EnableRowButtons(BOOL bEnable)
{
    GetDlgItem(IDC_CHAPTER_DELETE)->EnableWindow(bEnable);
    GetDlgItem(IDC_CHAPTER_SAVE)->EnableWindow(bEnable);
}

CString CEditChaptersDlg::TypedName() const
{
    CString name;
    GetDlgItemText(IDC_CHAPTER_NAME, name);
    return name;
}

int CEditChaptersDlg::SelectedRow() const
{
    return static_cast<int>(SendDlgItemMessage(IDC_CHAPTER_LIST, LB_GETCURSEL));
}

CString CEditChaptersDlg::RowText(int nRow) const
{
    CString text;
    const LRESULT nLength = SendDlgItemMessage(IDC_CHAPTER_LIST, LB_GETTEXTLEN, static_cast<WPARAM>(nRow));
    SendDlgItemMessage(IDC_CHAPTER_LIST, LB_GETTEXT, static_cast<WPARAM>(nRow),
                       reinterpret_cast<LPARAM>(text.GetBuffer(static_cast<int>(nLength))));
    text.ReleaseBuffer();
    return text;
}

BOOL CEditChaptersDlg::Confirm(UINT nId, const CString& name)
{
    return MessageBoxById(m_hWnd, name, nId, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CEditChaptersDlg::OnChapterSelected()
{
    const int nRow = SelectedRow();
    if (nRow < 0)
        return;
    SetDlgItemText(IDC_CHAPTER_NAME, RowText(nRow));
    GetDlgItem(IDC_CHAPTER_NAME)->SetFocus();
    EnableRowButtons(TRUE);
    // After the text went in: its update notice set the flag.
    m_bChanged = FALSE;
}

void CEditChaptersDlg::OnNameUpdate()
{
    m_bChanged = TRUE;
    GetDlgItem(IDC_CHAPTER_SAVE)->EnableWindow(TRUE);
}

void CEditChaptersDlg::OnAdd()
{
    const CString name = TypedName();
    if (name.IsEmpty())
        return;
    // The list's exact search ignores letter case: "soups" is refused beside "Soups".
    if (SendDlgItemMessage(IDC_CHAPTER_LIST, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(static_cast<LPCSTR>(name))) != LB_ERR)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_CHAPTER_EXISTS, MB_ICONEXCLAMATION);
        return;
    }
    if (!Confirm(IDS_ADD_CHAPTER, name))
        return;
    TOCListItem chapter(name, 0, 'T');
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || !pDatabase->SaveChapter(chapter))
    {
        MessageBoxById(m_hWnd, nullptr, IDS_CHAPTER_NOT_ADDED, MB_ICONEXCLAMATION);
        return;
    }
    const LRESULT nRow =
        SendDlgItemMessage(IDC_CHAPTER_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(name)));
    SendDlgItemMessage(IDC_CHAPTER_LIST, LB_SETITEMDATA, static_cast<WPARAM>(nRow), chapter.m_id.GetNumber());
    SendDlgItemMessage(IDC_CHAPTER_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1));
    EnableRowButtons(FALSE);
    m_bChanged = FALSE;
}

void CEditChaptersDlg::OnSave()
{
    const int nRow = SelectedRow();
    const CString name = TypedName();
    if (nRow < 0 || name.IsEmpty() || !Confirm(IDS_RENAME_CHAPTER, name))
        return;
    const LRESULT nId = SendDlgItemMessage(IDC_CHAPTER_LIST, LB_GETITEMDATA, static_cast<WPARAM>(nRow));
    TOCListItem chapter(name, static_cast<unsigned long>(nId), 'T');
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || !pDatabase->SaveChapter(chapter))
    {
        MessageBoxById(m_hWnd, nullptr, IDS_CHAPTER_NOT_RENAMED, MB_ICONEXCLAMATION);
        return;
    }
    SendDlgItemMessage(IDC_CHAPTER_LIST, LB_DELETESTRING, static_cast<WPARAM>(nRow));
    SendDlgItemMessage(IDC_CHAPTER_LIST, LB_INSERTSTRING, static_cast<WPARAM>(nRow),
                       reinterpret_cast<LPARAM>(static_cast<LPCSTR>(name)));
    SendDlgItemMessage(IDC_CHAPTER_LIST, LB_SETITEMDATA, static_cast<WPARAM>(nRow), nId);
    SendDlgItemMessage(IDC_CHAPTER_LIST, LB_SETCURSEL, static_cast<WPARAM>(nRow));
    m_bChanged = FALSE;
}

// The list is read again from the cookbook: a chapter it refused to delete stays in view.
void CEditChaptersDlg::OnDelete()
{
    const int nRow = SelectedRow();
    if (nRow < 0)
        return;
    const CString title = RowText(nRow);
    if (!Confirm(IDS_DELETE_CHAPTER, title))
        return;
    const LRESULT nId = SendDlgItemMessage(IDC_CHAPTER_LIST, LB_GETITEMDATA, static_cast<WPARAM>(nRow));
    TOCListItem chapter(title, static_cast<unsigned long>(nId), 'T');
    if (CCookbookDatabase* pDatabase = GetCurrentDatabase())
    {
        StartWaitCursor();
        pDatabase->DeleteChapter(chapter);
        StopWaitCursor();
    }
    FillChapters();
    SetDlgItemText(IDC_CHAPTER_NAME, "");
    EnableRowButtons(FALSE);
    m_bChanged = FALSE;
}

void CEditChaptersDlg::OnOK()
{
    if (m_bChanged)
    {
        const int nAnswer = MessageBoxById(m_hWnd, nullptr, IDS_SAVE_BEFORE_CLOSING, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (nAnswer == IDCANCEL)
            return;
        if (nAnswer == IDYES)
            OnSave();
    }
    EndDialog(IDOK);
}

void CEditChaptersDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CEditChaptersDlg::OnDestroy()
{
    m_helpContext.Restore();
    CWnd::OnDestroy();
}
