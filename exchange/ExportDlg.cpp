#include "exchange/ExportDlg.h"

#include <windows.h>

#include <string>
#include <vector>

#include "database/CookbookDatabase.h"
#include "database/CustObArray.h"
#include "database/SortedRecipeListItem.h"
#include "database/TOCListItem.h"
#include "database/VRcpRecordset.h"
#include "exchange/ExportFileCheck.h"
#include "exchange/RecipeExport.h"
#include "exchange/ExchangeDlgControls.h"
#include "exchange/ResourceText.h"
#include "framework/FileDialog.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/DiskSpace.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/services/ProgressDlg.h"
#include "shell/settings/WindowPlacement.h"

namespace {

const UINT kExportHelpContext = 2028;
const int kSortByTitle = 2;
const int kLongestPath = 260;
// Room asked of the drive for each recipe written.
const LONGLONG kBytesPerRecipe = 4096;

struct ExportType
{
    int format;
    const char* defaultFile;
};

const ExportType kExportTypes[] = {
    {kPrintTagged, "recipes.bvt"}, {kPrintMm, "recipes.mm"},   {kPrintMasterCook, "recipes.mxp"},
    {kPrintText, "recipes.txt"},   {kPrintRtf, "recipes.rtf"},
};
const int kTypeCount = sizeof kExportTypes / sizeof kExportTypes[0];

}  // namespace

BEGIN_MESSAGE_MAP(CExportDlg, CDialog)
    ON_CBN_CLOSEUP(IDC_EXCHANGE_TYPE, OnTypeCloseUp)
    ON_CBN_CLOSEUP(IDC_EXCHANGE_CHAPTER, OnChapterCloseUp)
    ON_LBN_SELCHANGE(IDC_EXCHANGE_RECIPES, OnSelectionChange)
    ON_BN_CLICKED(IDC_EXCHANGE_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_EXPORT_SELECTED, OnExportSelected)
    ON_BN_CLICKED(IDC_EXPORT_ALL, OnExportAll)
    ON_BN_CLICKED(IDC_EXCHANGE_HELP, OnHelpButton)
END_MESSAGE_MAP()

CExportDlg::CExportDlg(CWnd* pParent) : CDialog(IDD_EXPORT, pParent), m_type(-1) {}

CExportDlg::~CExportDlg()
{
    m_helpContext.Restore();
}

BOOL CExportDlg::OnInitDialog()
{
    m_helpContext.Set(kExportHelpContext);
    ApplyDialogFont(this);
    FillExchangeTypeCombo(*this, IDS_EXPORT_TYPE_FIRST, kTypeCount);
    ChooseType(0);
    FillChapters();
    ListRecipes();
    CenterWindowOver(this, GetParent());
    return TRUE;
}

void CExportDlg::ChooseType(int nType)
{
    m_type = nType;
    SetDlgItemText(IDC_EXCHANGE_FILE, kExportTypes[nType].defaultFile);
}

void CExportDlg::OnTypeCloseUp()
{
    const int nType = static_cast<int>(SendDlgItemMessage(IDC_EXCHANGE_TYPE, CB_GETCURSEL));
    if (nType < 0 || nType >= kTypeCount)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_EXPORT_CHOOSE_TYPE, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ChooseType(nType);
}

void CExportDlg::FillChapters()
{
    CCustObArray chapters;
    GetCurrentDatabase()->LoadChapters(chapters);
    PumpProgressMessages();
    AddExchangeChapters(*this, chapters);
    SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_SETCURSEL, 0);
}

void CExportDlg::OnChapterCloseUp()
{
    ListRecipes();
}

void CExportDlg::ListRecipes()
{
    SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_RESETCONTENT);
    const LRESULT nChapter = SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_GETCURSEL);
    CVRcpRecordset recipes(GetCurrentDatabase());
    if (nChapter >= 0 && recipes.OpenList(static_cast<unsigned long>(SendDlgItemMessage(
                                              IDC_EXCHANGE_CHAPTER, CB_GETITEMDATA, static_cast<WPARAM>(nChapter))),
                                          kSortByTitle))
    {
        CSortedRecipeListItem item;
        const long nRows = recipes.GetRowCount();
        for (long i = 0; i < nRows && (i == 0 ? recipes.FetchFirst(item) : recipes.FetchNext(item)) == 0; ++i)
        {
            const LRESULT nIndex = SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_ADDSTRING, 0,
                                                      reinterpret_cast<LPARAM>(item.m_name.GetString()));
            SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                               item.m_id.GetNumber());
        }
    }
    UpdateSelectionCount();
}

void CExportDlg::OnSelectionChange()
{
    UpdateSelectionCount();
}

void CExportDlg::UpdateSelectionCount()
{
    ShowRecipeSelection(*this, IDC_EXPORT_SELECTED, IDC_EXPORT_ALL);
}

void CExportDlg::OnBrowse()
{
    if (m_type < 0)
        return;
    CString name;
    GetDlgItemText(IDC_EXCHANGE_FILE, name);
    const CString filter = LoadResourceText(IDS_EXPORT_FILTER_FIRST + m_type) + LoadResourceText(IDS_ALL_FILES_FILTER);
    const CString title = LoadResourceText(IDS_EXPORT_FILE_DIALOG_TITLE);
    CFileDialog dialog(FALSE, nullptr, name, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter, this);
    dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() == IDOK)
        SetDlgItemText(IDC_EXCHANGE_FILE, dialog.GetPathName());
}

CString CExportDlg::GetExportPath() const
{
    CString name;
    GetDlgItemText(IDC_EXCHANGE_FILE, name);
    name = name.Left(kLongestPath);
    if (name.IsEmpty() || name.Find('\\') >= 0)
        return name;
    char directory[MAX_PATH];
    const DWORD nLength = ::GetCurrentDirectoryA(sizeof directory, directory);
    return CString(directory, static_cast<int>(nLength)) + "\\" + name;
}

void CExportDlg::OnExportSelected()
{
    if (m_type < 0)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_EXPORT_NO_TYPE, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const CString path = GetExportPath();
    if (!CheckExportFile(m_hWnd, path))
        return;
    const int nSelected = static_cast<int>(SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_GETSELCOUNT));
    if (nSelected <= 0)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_EXPORT_NO_RECIPES, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!CheckFreeDiskSpace(m_hWnd, path, nSelected * kBytesPerRecipe))
        return;
    ExportRecipes(path, nSelected);
}

void CExportDlg::ExportRecipes(const CString& path, int nSelected)
{
    const std::vector<int> selected = SelectedRecipeRows(*this, nSelected);
    CCustObArray items;
    for (const int nIndex : selected)
    {
        CString title;
        const LRESULT nLength = SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex));
        SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_GETTEXT, static_cast<WPARAM>(nIndex),
                           reinterpret_cast<LPARAM>(title.GetBuffer(static_cast<int>(nLength) + 1)));
        title.ReleaseBuffer();
        const auto number = static_cast<unsigned long>(
            SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
        items.Add(new TOCListItem(title, number, 'R'));
    }
    int nWritten = -1;
    {
        CProgressDlg progress(this, LoadResourceText(IDS_EXPORTING_RECIPES));
        nWritten = ExportRecipesToFile(path, kExportTypes[m_type].format, items, &progress);
    }
    if (nWritten < 0)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_EXPORT_CANNOT_CREATE, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    MessageBoxById(m_hWnd, std::to_string(nWritten).c_str(), IDS_EXPORT_DONE, MB_OK | MB_ICONINFORMATION);
}

void CExportDlg::OnExportAll()
{
    SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_SETSEL, TRUE, -1);
    UpdateSelectionCount();
    OnExportSelected();
}

void CExportDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, kExportHelpContext, IDS_HELP_FILE);
}
