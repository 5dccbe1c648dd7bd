#include "exchange/ImportDlg.h"

#include <windows.h>

#include <vector>

#include "database/CookbookDatabase.h"
#include "database/CustObArray.h"
#include "database/TOCListItem.h"
#include "exchange/DatabaseImporter.h"
#include "exchange/ExchangeDlgControls.h"
#include "exchange/ImportBatch.h"
#include "exchange/MasterCookImporter.h"
#include "exchange/MealMasterImporter.h"
#include "exchange/ResourceText.h"
#include "exchange/TaggedTextImporter.h"
#include "framework/AfxMessageBox.h"
#include "framework/FileDialog.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/DiskSpace.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/WindowPlacement.h"

namespace {

const UINT kImportHelpContext = 2027;
const int kTypeCount = 9;
// Room asked of the cookbook's drive for each recipe imported.
const LONGLONG kBytesPerRecipe = 4096;

using ImporterMaker = std::unique_ptr<CRecipeImporter> (*)();

template <class Importer>
std::unique_ptr<CRecipeImporter> MakeImporter()
{
    return std::make_unique<Importer>();
}

// sourceNameId 0: the source has no name of its own.
template <UINT driverId, UINT importNameId, UINT sourceNameId = 0>
std::unique_ptr<CRecipeImporter> MakeDatabaseImporter()
{
    const CString sourceName = sourceNameId != 0 ? LoadResourceText(sourceNameId) : CString();
    return std::make_unique<CDatabaseImporter>(driverId, importNameId,
                                               sourceNameId != 0 ? sourceName.GetString() : nullptr);
}

// The entries of the type list, in its order.
struct ImportType
{
    ImporterMaker make;
    const char* defaultFile;
};

const ImportType kImportTypes[] = {
    {MakeImporter<CTaggedTextImporter>, "recipes.bvt"},
    {MakeDatabaseImporter<IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_12_IMPORT, IDS_SOURCE_NAME_TABLEWISE_12>,
     "favorite.tws"},
    {MakeDatabaseImporter<IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_IMPORT>, "favorite.mdb"},
    {MakeDatabaseImporter<IDS_DRIVER_FOXPRO, IDS_SOURCE_BREVANA_IMPORT>, "px4001.dbf"},
    {MakeDatabaseImporter<IDS_DRIVER_FOXPRO, IDS_SOURCE_PANTRIX_IMPORT>, "px4001.dbf"},
    {MakeDatabaseImporter<IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_12_IMPORT, IDS_SOURCE_NAME_PANTRIX_5>,
     "favorite.tws"},
    {MakeImporter<CMealMasterImporter>, "recipes.mm"},
    {MakeImporter<CMasterCookImporter>, "recipes.mxp"},
    {MakeDatabaseImporter<IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_12_IMPORT, IDS_SOURCE_NAME_MENSARO>, "favorite.tws"},
};
static_assert(sizeof kImportTypes / sizeof kImportTypes[0] == kTypeCount, "one entry per import type");

const ImportType* FindImportType(int nType)
{
    return nType >= 0 && nType < kTypeCount ? &kImportTypes[nType] : nullptr;
}

CString CookbookPath()
{
    return CDatabase::GetConnectAttribute(GetCurrentDatabase()->GetConnect(), "DBQ");
}

}  // namespace

BEGIN_MESSAGE_MAP(CImportDlg, CDialog)
    ON_CBN_CLOSEUP(IDC_EXCHANGE_TYPE, OnTypeCloseUp)
    ON_CBN_CLOSEUP(IDC_IMPORT_SOURCE_CHAPTER, OnSourceChapterCloseUp)
    ON_BN_CLICKED(IDC_EXCHANGE_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_IMPORT_READ_TITLES, OnReadTitles)
    ON_LBN_SELCHANGE(IDC_EXCHANGE_RECIPES, OnSelectionChange)
    ON_BN_CLICKED(IDC_IMPORT_SELECTED, OnImportSelected)
    ON_BN_CLICKED(IDC_IMPORT_ALL, OnImportAll)
    ON_BN_CLICKED(IDC_EXCHANGE_HELP, OnHelpButton)
END_MESSAGE_MAP()

CImportDlg::CImportDlg(CWnd* pParent) : CDialog(IDD_IMPORT, pParent), m_type(-1) {}

CImportDlg::~CImportDlg()
{
    m_helpContext.Restore();
}

BOOL CImportDlg::OnInitDialog()
{
    m_helpContext.Set(kImportHelpContext);
    ApplyDialogFont(this);
    FillExchangeTypeCombo(*this, IDS_IMPORT_TYPE_FIRST, kTypeCount);
    ChooseType(0);
    FillChapters();
    return TRUE;
}

void CImportDlg::OnTypeCloseUp()
{
    const int nType = static_cast<int>(SendDlgItemMessage(IDC_EXCHANGE_TYPE, CB_GETCURSEL));
    if (nType < 0)
    {
        MessageBoxById(m_hWnd, nullptr, IDS_IMPORT_CHOOSE_TYPE, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ChooseType(nType);
}

void CImportDlg::ChooseType(int nType)
{
    if (nType == m_type && m_importer != nullptr)
        return;
    const ImportType* pType = FindImportType(nType);
    if (pType == nullptr)
        return;
    m_type = nType;
    m_importer = pType->make();
    SetDlgItemText(IDC_EXCHANGE_FILE, pType->defaultFile);
    SendDlgItemMessage(IDC_IMPORT_SOURCE_CHAPTER, CB_RESETCONTENT);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_IMPORT_SOURCE_CHAPTER), FALSE);
    SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_RESETCONTENT);
    UpdateSelectionCount();
    if (m_importer->HasSourceChapters() && ::GetFileAttributesA(pType->defaultFile) != INVALID_FILE_ATTRIBUTES)
        ReadTitles(pType->defaultFile);
}

void CImportDlg::FillChapters()
{
    CCustObArray chapters;
    GetCurrentDatabase()->LoadChapters(chapters);
    const CString importName = LoadResourceText(IDS_IMPORT_CHAPTER);
    AddExchangeChapters(*this, chapters);
    LRESULT nImport = SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(importName.GetString()));
    if (nImport == CB_ERR)
    {
        nImport =
            SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(importName.GetString()));
        SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_SETITEMDATA, static_cast<WPARAM>(nImport), 0);
    }
    SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_SETCURSEL, static_cast<WPARAM>(nImport));
}

void CImportDlg::OnBrowse()
{
    CString name;
    GetDlgItemText(IDC_EXCHANGE_FILE, name);
    const CString filter = LoadResourceText(IDS_IMPORT_FILTER_FIRST + m_type) + LoadResourceText(IDS_ALL_FILES_FILTER);
    const CString title = LoadResourceText(IDS_IMPORT_FILE_DIALOG_TITLE);
    CFileDialog dialog(TRUE, nullptr, name, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter, this);
    dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() != IDOK)
        return;
    SetDlgItemText(IDC_EXCHANGE_FILE, dialog.GetPathName());
    if (!dialog.GetPathName().IsEmpty())
        ReadTitles(dialog.GetPathName());
}

void CImportDlg::OnReadTitles()
{
    CString path;
    GetDlgItemText(IDC_EXCHANGE_FILE, path);
    ReadTitles(path);
}

void CImportDlg::ReadTitles(const CString& path)
{
    if (m_importer == nullptr)
        return;
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
    {
        MessageBoxById(m_hWnd, path, IDS_IMPORT_VERIFY_TYPE, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (path.CompareNoCase(CookbookPath()) == 0)
    {
        MessageBoxById(m_hWnd, path, IDS_IMPORT_ACTIVE_DATABASE, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_RESETCONTENT);
    SendDlgItemMessage(IDC_IMPORT_SOURCE_CHAPTER, CB_RESETCONTENT);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_IMPORT_SOURCE_CHAPTER), FALSE);
    m_importer->StartProgress(this, LoadResourceText(IDS_IMPORT_READING_NAMES));
    const int opened = m_importer->Open(path);
    if (opened && m_importer->HasSourceChapters())
        FillSourceChapters();
    if (opened)
        ShowTitles();
    m_importer->EndProgress();
    if (!opened)
        MessageBoxById(m_hWnd, path, IDS_IMPORT_CANT_OPEN, MB_OK | MB_ICONEXCLAMATION);
    UpdateSelectionCount();
}

void CImportDlg::FillSourceChapters()
{
    CCustObArray chapters;
    m_importer->GetSourceChapters(chapters);
    for (int i = 0; i < chapters.GetSize(); ++i)
    {
        const auto* pChapter = static_cast<const TOCListItem*>(chapters.GetAt(i));
        const LRESULT nIndex = SendDlgItemMessage(IDC_IMPORT_SOURCE_CHAPTER, CB_ADDSTRING, 0,
                                                  reinterpret_cast<LPARAM>(pChapter->m_name.GetString()));
        SendDlgItemMessage(IDC_IMPORT_SOURCE_CHAPTER, CB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                           pChapter->m_id.GetNumber());
    }
    if (chapters.IsEmpty())
        return;
    SendDlgItemMessage(IDC_IMPORT_SOURCE_CHAPTER, CB_SETCURSEL, 0);
    m_importer->SetSourceChapterId(
        CRecordId(static_cast<unsigned long>(SendDlgItemMessage(IDC_IMPORT_SOURCE_CHAPTER, CB_GETITEMDATA, 0))));
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_IMPORT_SOURCE_CHAPTER), TRUE);
}

void CImportDlg::ShowTitles()
{
    SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_RESETCONTENT);
    const CStringArray& titles = m_importer->GetTitles();
    for (int i = 0; i < titles.GetSize(); ++i)
        SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(titles[i].GetString()));
    UpdateSelectionCount();
}

void CImportDlg::OnSourceChapterCloseUp()
{
    const LRESULT nIndex = SendDlgItemMessage(IDC_IMPORT_SOURCE_CHAPTER, CB_GETCURSEL);
    if (m_importer == nullptr || nIndex == CB_ERR)
        return;
    m_importer->SetSourceChapterId(CRecordId(static_cast<unsigned long>(
        SendDlgItemMessage(IDC_IMPORT_SOURCE_CHAPTER, CB_GETITEMDATA, static_cast<WPARAM>(nIndex)))));
    ShowTitles();
}

void CImportDlg::OnSelectionChange()
{
    UpdateSelectionCount();
}

void CImportDlg::UpdateSelectionCount()
{
    ShowRecipeSelection(*this, IDC_IMPORT_SELECTED, IDC_IMPORT_ALL);
}

bool CImportDlg::ConfirmChapter(TOCListItem& chapter)
{
    CString name;
    GetDlgItemText(IDC_EXCHANGE_CHAPTER, name);
    name.Trim();
    if (name.IsEmpty())
        name = LoadResourceText(IDS_IMPORT_CHAPTER);
    LRESULT nIndex = SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(name.GetString()));
    if (MessageBoxById(m_hWnd, name, IDS_IMPORT_INTO_CHAPTER, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    chapter = TOCListItem(name, 0, 'T');
    if (nIndex != CB_ERR)
    {
        SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_SETCURSEL, static_cast<WPARAM>(nIndex));
        chapter.m_id = static_cast<unsigned long>(
            SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
    }
    if (chapter.m_id != 0UL)
        return true;
    if (!GetCurrentDatabase()->SaveChapter(chapter))
        return false;
    if (nIndex == CB_ERR)
        nIndex = SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.GetString()));
    SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_SETITEMDATA, static_cast<WPARAM>(nIndex), chapter.m_id.GetNumber());
    SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_SETCURSEL, static_cast<WPARAM>(nIndex));
    return true;
}

void CImportDlg::OnImportSelected()
{
    if (m_importer == nullptr || SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_GETSELCOUNT) <= 0)
        return;
    ImportSelected();
}

void CImportDlg::ImportSelected()
{
    TOCListItem chapter;
    if (!ConfirmChapter(chapter))
        return;
    const int nSelected = static_cast<int>(SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_GETSELCOUNT));
    if (!CheckFreeDiskSpace(m_hWnd, CookbookPath(), nSelected * kBytesPerRecipe))
        return;
    const std::vector<int> selected = SelectedRecipeRows(*this, nSelected);
    CImportBatch batch(*m_importer, chapter);
    m_importer->StartProgress(this, LoadResourceText(IDS_IMPORTING_RECIPES));
    batch.Run(selected);
    m_importer->EndProgress();
    AfxShowMessageBox(m_hWnd, batch.Describe(), nullptr, MB_OK | MB_ICONINFORMATION);
}

void CImportDlg::OnImportAll()
{
    SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_SETSEL, TRUE, -1);
    UpdateSelectionCount();
    OnImportSelected();
}

void CImportDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, kImportHelpContext, IDS_HELP_FILE);
}
