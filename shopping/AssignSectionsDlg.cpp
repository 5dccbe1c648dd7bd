#include "shopping/AssignSectionsDlg.h"

#include <windows.h>

#include <map>
#include <utility>
#include <vector>

#include "database/CookbookDatabase.h"
#include "database/ListItem.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/MessageUtilities.h"
#include "shopping/EditStoresDlg.h"
#include "shopping/StoreRows.h"

namespace {

constexpr UINT kHelpContext = 2046;
// Every ingredient has a group; this one stands for "no group" and is no store section.
const char kNoGroup[] = "000001";

std::vector<int> SelectedRows(const CListBox& list)
{
    std::vector<int> rows(static_cast<size_t>(list.GetSelCount() > 0 ? list.GetSelCount() : 0));
    if (!rows.empty())
        list.GetSelItems(static_cast<int>(rows.size()), rows.data());
    return rows;
}

void AddRow(CListBox& list, const CString& text, DWORD_PTR data, int nAt = -1)
{
    const int nRow = nAt < 0 ? list.AddString(text) : list.InsertString(nAt, text);
    list.SetItemData(nRow, data);
}

}  // namespace

int CAssignSectionsDlg::s_nLastStore = 0;

BEGIN_MESSAGE_MAP(CAssignSectionsDlg, CShoppingDialog)
    ON_CBN_CLOSEUP(IDC_STORE_COMBO, OnStoreCloseUp)
    ON_LBN_SELCHANGE(IDC_ASSIGNED_SECTIONS, OnSelectionChange)
    ON_LBN_SELCHANGE(IDC_ALL_SECTIONS, OnSelectionChange)
    ON_BN_CLICKED(IDC_SECTION_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_SECTION_DOWN, OnMoveDown)
    ON_BN_CLICKED(IDC_SECTION_ADD, OnAdd)
    ON_BN_CLICKED(IDC_SECTION_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_EDIT_STORES, OnEditStores)
END_MESSAGE_MAP()

CAssignSectionsDlg::CAssignSectionsDlg(CWnd* pParent) : CShoppingDialog(IDD_ASSIGN_SECTIONS, pParent) {}

UINT CAssignSectionsDlg::HelpContextId() const
{
    return kHelpContext;
}

BOOL CAssignSectionsDlg::OnInitDialog()
{
    CShoppingDialog::OnInitDialog();
    m_stores.SubclassDlgItem(IDC_STORE_COMBO, this);
    m_assigned.SubclassDlgItem(IDC_ASSIGNED_SECTIONS, this);
    m_all.SubclassDlgItem(IDC_ALL_SECTIONS, this);
    AttachBitmapButton(m_up, this, IDC_SECTION_UP, "MOVUPUP", "MOVUPDN", nullptr, "MOVUPGR");
    AttachBitmapButton(m_down, this, IDC_SECTION_DOWN, "MOVDNUP", "MOVDNDN", nullptr, "MOVDNGR");
    FillStores();
    return TRUE;
}

void CAssignSectionsDlg::FillStores()
{
    m_stores.ResetContent();
    AddStoreRows(m_stores);
    if (s_nLastStore >= m_stores.GetCount())
        s_nLastStore = -1;
    m_stores.SetCurSel(s_nLastStore);
    FillSections();
}

void CAssignSectionsDlg::FillSections()
{
    m_assigned.ResetContent();
    m_all.ResetContent();
    FillAssigned(StoreAt(m_stores.GetCurSel()));
    FillAll();
    UpdateButtons();
}

long CAssignSectionsDlg::StoreAt(int nRow) const
{
    return nRow < 0 ? -1 : static_cast<long>(m_stores.GetItemData(nRow));
}

void CAssignSectionsDlg::FillAssigned(long store)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (store < 0 || pDatabase == nullptr)
        return;
    const std::map<CString, CString>& groups = pDatabase->LoadGroups();
    const CCustObList& sections = pDatabase->LoadStoreSections(store);
    for (POSITION position = sections.GetHeadPosition(); position != nullptr;)
    {
        const auto* pSection = static_cast<const CListItem*>(sections.GetNext(position));
        const auto found = groups.find(CString(pSection->m_id.GetText()));
        if (found != groups.end())
            AddRow(m_assigned, found->second, static_cast<DWORD_PTR>(pSection->m_id.GetNumber()));
    }
}

// The list box's exact search ignores case: two groups may differ in case only.
void CAssignSectionsDlg::FillAll()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return;
    std::vector<CString> assigned;
    for (int nRow = 0; nRow < m_assigned.GetCount(); ++nRow)
    {
        CString text;
        m_assigned.GetText(nRow, text);
        assigned.push_back(text);
    }
    for (const auto& [id, name] : pDatabase->LoadGroups())
    {
        if (!IsGroupName(name) || id == kNoGroup)
            continue;
        bool bAssigned = false;
        for (const CString& text : assigned)
            bAssigned = bAssigned || text == name;
        if (!bAssigned)
            AddRow(m_all, name, static_cast<DWORD_PTR>(CRecordId(id).GetNumber()));
    }
}

void CAssignSectionsDlg::UpdateButtons()
{
    const std::vector<int> rows = SelectedRows(m_assigned);
    const BOOL bAny = !rows.empty();
    GetDlgItem(IDC_SECTION_REMOVE)->EnableWindow(bAny);
    m_up.EnableWindow(bAny && rows.front() != 0);
    m_down.EnableWindow(bAny && !(rows.size() == 1 && rows.front() == m_assigned.GetCount() - 1));
    GetDlgItem(IDC_SECTION_ADD)->EnableWindow(m_all.GetSelCount() > 0);
}

void CAssignSectionsDlg::OnSelectionChange()
{
    UpdateButtons();
}

void CAssignSectionsDlg::OnStoreCloseUp()
{
    const int nChosen = m_stores.GetCurSel();
    if (nChosen == s_nLastStore)
        return;
    if (m_bSectionsChanged &&
        MessageBoxById(m_hWnd, nullptr, IDS_SAVE_BEFORE_SWITCHING_STORES, MB_YESNO | MB_ICONQUESTION) == IDYES)
    {
        // The edits belong to the store shown before the switch.
        WriteSections(StoreAt(s_nLastStore));
    }
    m_bSectionsChanged = FALSE;
    s_nLastStore = nChosen;
    FillSections();
}

void CAssignSectionsDlg::MoveFirstSelected(int nStep)
{
    const std::vector<int> rows = SelectedRows(m_assigned);
    if (rows.empty())
        return;
    const int nFrom = rows.front();
    const int nTo = nFrom + nStep;
    if (nTo < 0 || nTo >= m_assigned.GetCount())
        return;
    CString text;
    m_assigned.GetText(nFrom, text);
    const DWORD_PTR data = m_assigned.GetItemData(nFrom);
    m_assigned.DeleteString(static_cast<UINT>(nFrom));
    AddRow(m_assigned, text, data, nTo);
    m_assigned.SetSel(-1, FALSE);
    m_assigned.SetSel(nTo, TRUE);
    m_bSectionsChanged = TRUE;
    UpdateButtons();
}

void CAssignSectionsDlg::OnMoveUp()
{
    MoveFirstSelected(-1);
}

void CAssignSectionsDlg::OnMoveDown()
{
    MoveFirstSelected(1);
}

void CAssignSectionsDlg::MoveSelectedRows(CListBox& from, CListBox& to)
{
    const std::vector<int> rows = SelectedRows(from);
    std::vector<std::pair<CString, DWORD_PTR>> moved;
    for (const int nRow : rows)
    {
        CString text;
        from.GetText(nRow, text);
        moved.emplace_back(text, from.GetItemData(nRow));
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        from.DeleteString(static_cast<UINT>(*row));
    for (const auto& [text, data] : moved)
    {
        if (to.FindStringExact(-1, text) == LB_ERR)
            AddRow(to, text, data);
    }
    m_bSectionsChanged = TRUE;
    UpdateButtons();
}

void CAssignSectionsDlg::OnAdd()
{
    MoveSelectedRows(m_all, m_assigned);
}

void CAssignSectionsDlg::OnRemove()
{
    MoveSelectedRows(m_assigned, m_all);
}

void CAssignSectionsDlg::OnEditStores()
{
    if (!OfferToWrite(IDS_SAVE_BEFORE_EDIT_STORES))
        return;
    CEditStoresDlg stores(this);
    if (stores.DoModal() != IDOK || !stores.m_bChanged)
        return;
    m_bStoresChanged = TRUE;
    m_bSectionsChanged = FALSE;
    FillStores();
}

void CAssignSectionsDlg::OnOK()
{
    if (OfferToWrite(IDS_SAVE_SECTIONS_BEFORE_CLOSING))
        EndDialog(IDOK);
}

BOOL CAssignSectionsDlg::OfferToWrite(UINT nQuestionId)
{
    if (!m_bSectionsChanged)
        return TRUE;
    const int nAnswer = MessageBoxById(m_hWnd, nullptr, nQuestionId, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (nAnswer == IDYES)
    {
        StartWaitCursor();
        WriteSections(StoreAt(m_stores.GetCurSel()));
        StopWaitCursor();
    }
    return nAnswer != IDCANCEL;
}

void CAssignSectionsDlg::WriteSections(long store)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (store < 0 || pDatabase == nullptr)
        return;
    CCustObList sections;
    for (int nRow = 0; nRow < m_assigned.GetCount(); ++nRow)
        sections.AddTail(new CListItem("", static_cast<unsigned long>(m_assigned.GetItemData(nRow)), 'S'));
    if (pDatabase->SaveStoreSections(store, sections))
        m_bSectionsSaved = TRUE;
}
