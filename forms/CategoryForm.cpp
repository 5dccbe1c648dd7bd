#include "forms/CategoryForm.h"

#include <windows.h>

#include "database/CategoryListItem.h"
#include "database/SlotArray.h"
#include "forms/HotSpot.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/StandardIds.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/formbase/FormManager.h"
#include "shell/graphics/FontFaces.h"
#include "shell/services/HelpService.h"
#include "shell/settings/WindowPlacement.h"

IMPLEMENT_DYNCREATE(CCategoryForm, CBVFormView)

BEGIN_MESSAGE_MAP(CCategoryForm, CBVFormView)
    ON_WM_CTLCOLOR()
    ON_COMMAND(IDC_CATEGORY_BACK, OnBack)
    ON_COMMAND(IDC_CATEGORY_SHOW, OnShow)
    ON_LBN_DBLCLK(IDC_CATEGORY_LIST, OnShow)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(ID_CONTEXT_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

const int kRowHeight = 24;
const int kTitleHeight = 24;
const int kFewColourBits = 7;
const int kFirstSubCategoryRow = 1;

}  // namespace

CCategoryForm::CCategoryForm() : CBVFormView(IDD_CATEGORY_FORM), m_list(CControlFontSpec(IDC_CATEGORY_LIST, kRowHeight))
{
}

CCategoryForm::~CCategoryForm() = default;

void CCategoryForm::OnInitialUpdate()
{
    CBVFormView::OnInitialUpdate();
    LoadAcceleratorTable(IDR_VIEW_KEYS);
    ScaleChildFonts();
    SetScrollSizes(MM_TEXT, GetDesignSize());
    AttachControls();
    ShowLevel(g_pFormManager->GetCurrentEntryFlag());
    MakeHotSpots();
    g_pFormManager->SetActiveForm(this);
}

void CCategoryForm::AttachControls()
{
    CreateLabelFont(m_titleFont, GetSansFaceId(), kTitleHeight, FW_NORMAL);
    GetDlgItem(IDC_CATEGORY_TITLE)->SetFont(&m_titleFont);
    AttachBitmapButton(m_show, this, IDC_CATEGORY_SHOW, "VIEWUP", "VIEWDN", "VIEWUP", "VIEWGR");
    AttachBitmapButton(m_back, this, IDC_CATEGORY_BACK, "BACKUP", "BACKDN", "BACKUP", "BACKGR");
    m_list.SubclassDlgItem(IDC_CATEGORY_LIST, this);
    m_list.SetColors(m_scheme.GetColour(CListFormScheme::kListBackground),
                     m_scheme.GetColour(CListFormScheme::kHighlight));
}

void CCategoryForm::MakeHotSpots()
{
    const UINT nPictureId = GetScreenColourBits() > kFewColourBits ? IDS_CATEGORY_PICTURE_256 : IDS_CATEGORY_PICTURE_16;
    m_hotSpots[0] =
        std::make_unique<CHotSpot>(this, IDC_CATEGORY_PICTURE_AREA, IDC_CATEGORY_PICTURE, nPictureId, 0, 0, 0, FALSE);
    m_hotSpots[1] =
        std::make_unique<CHotSpot>(this, IDC_CATEGORY_CAPTION_AREA, 0, 0, IDC_CATEGORY_CAPTION, IDS_CATEGORY_CAPTION,
                                   m_scheme.GetColour(CListFormScheme::kStaticText), FALSE);
}

void CCategoryForm::ShowLevel(int nRow)
{
    SetDlgItemText(IDC_CATEGORY_TITLE, g_pFormManager->GetCurrentEntryName());
    m_list.ResetContent();
    FillList();
    m_list.Invalidate();
    m_list.SetCurSel(nRow);
    m_list.SetFocus();
}

void CCategoryForm::FillList()
{
    m_list.SetItemData(m_list.AddString(g_pFormManager->GetCurrentEntryName()), kShownCategoryRow);
    const CSlotArray& level = g_pFormManager->GetCurrentLevel();
    for (int i = 0; i < level.GetSize(); ++i)
    {
        const auto* pCategory = static_cast<const CategoryListItem*>(level.GetAt(i));
        const int row = m_list.AddString("    " + pCategory->m_name);
        m_list.SetItemData(row, pCategory->m_id.GetNumber());
    }
}

void CCategoryForm::OnDraw(CDC* pDC)
{
    for (const std::unique_ptr<CHotSpot>& pSpot : m_hotSpots)
        if (pSpot)
            pSpot->Show(pDC->m_hDC);
}

HBRUSH CCategoryForm::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (HBRUSH hBrush = m_scheme.ControlBrush(pDC, pWnd, this, nCtlColor, FALSE))
        return hBrush;
    return CBVFormView::OnCtlColor(pDC, pWnd, nCtlColor);
}

// The form manager opens the list of a category without sub-categories in this form's place:
// then this form is gone when the step returns, and only a step that kept it refills it.
void CCategoryForm::OnShow()
{
    const int row = m_list.GetCurSel();
    if (row < 0)
        return;
    const DWORD_PTR data = m_list.GetItemData(row);
    if (data == kShownCategoryRow)
    {
        OnBack();
        return;
    }
    const int depth = g_pFormManager->GetHistoryDepth();
    const long category = static_cast<long>(data);
    if (g_pFormManager->OpenForm(CFormManager::kActionDrillDown, row, category) != 1 ||
        g_pFormManager->GetHistoryDepth() <= depth)
        return;
    ShowLevel(kFirstSubCategoryRow);
}

void CCategoryForm::OnBack()
{
    const int depth = g_pFormManager->GetHistoryDepth();
    if (g_pFormManager->OpenForm(CFormManager::kActionCategoryBack, 0, 0) != 1 ||
        g_pFormManager->GetHistoryDepth() >= depth)
        return;
    ShowLevel(g_pFormManager->GetCurrentEntryFlag());
}

void CCategoryForm::OnOK()
{
    if (m_list.GetCurSel() >= 0)
        OnShow();
}

void CCategoryForm::OnHelp()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}
