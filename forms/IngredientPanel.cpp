#include "forms/IngredientPanel.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/IngData.h"
#include "database/IngRec.h"
#include "database/ListItem.h"
#include "forms/FindDlg.h"
#include "forms/IngredientDialog.h"
#include "forms/IngredientPanelOwner.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "res/resource.h"
#include "shell/graphics/FontFaces.h"
#include "shell/services/CurrentDatabase.h"

BEGIN_MESSAGE_MAP(CIngredientPanel, CWnd)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_COMMAND(IDC_INGPANEL_OPTIONAL, OnOptional)
    ON_COMMAND(IDC_INGPANEL_PREP_BEFORE, OnPreparationBefore)
    ON_BN_CLICKED(IDC_INGPANEL_USE_RECIPE, OnUseRecipe)
    ON_BN_CLICKED(IDC_INGPANEL_DELETE, OnDeleteLine)
    ON_BN_CLICKED(IDC_INGPANEL_INSERT, OnInsertLine)
    ON_BN_CLICKED(IDC_INGPANEL_NEW, OnNewIngredient)
    ON_BN_CLICKED(IDC_INGPANEL_FIND, OnFindIngredient)
END_MESSAGE_MAP()

namespace {

const COLORREF kBackground = RGB(192, 192, 192);
const int kFontHeight = 14;
const char kIngredientType[] = "I";
const char kRecipeType[] = "R";

struct Control
{
    UINT nId;
    UINT nTextId;
    DWORD style;
    RECT rect;
};

const Control kControls[CIngredientPanel::kControlCount] = {
    {IDC_INGPANEL_OPTIONAL, IDS_INGPANEL_OPTIONAL, BS_AUTOCHECKBOX, {10, 4, 200, 22}},
    {IDC_INGPANEL_PREP_BEFORE, IDS_INGPANEL_PREP_BEFORE, BS_AUTOCHECKBOX, {10, 26, 200, 44}},
    {IDC_INGPANEL_USE_RECIPE, IDS_INGPANEL_USE_RECIPE, BS_AUTOCHECKBOX, {10, 48, 206, 66}},
    {IDC_INGPANEL_DELETE, IDS_INGPANEL_DELETE, BS_PUSHBUTTON, {21, 140, 121, 164}},
    {IDC_INGPANEL_INSERT, IDS_INGPANEL_INSERT, BS_PUSHBUTTON, {131, 140, 231, 164}},
    {IDC_INGPANEL_NEW, IDS_INGPANEL_NEW, BS_PUSHBUTTON, {21, 172, 121, 196}},
    {IDC_INGPANEL_FIND, IDS_INGPANEL_FIND, BS_PUSHBUTTON, {131, 172, 231, 196}},
};

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

BOOL IsButton(const CWnd* pWnd)
{
    char className[16] = "";
    return pWnd != nullptr && ::GetClassNameA(pWnd->m_hWnd, className, sizeof className) > 0 &&
           ::lstrcmpiA(className, "Button") == 0;
}

}  // namespace

CIngredientPanel::CIngredientPanel(CWnd* pForm, const RECT& rect) : m_background(kBackground)
{
    LOGFONTA description = {};
    description.lfHeight = kFontHeight;
    const CString face = LoadText(GetSansFaceId());
    ::lstrcpynA(description.lfFaceName, face, LF_FACESIZE);
    m_font.CreateFontIndirect(&description);
    CreateEx(0, nullptr, "", WS_CHILD | WS_BORDER, rect, pForm, 0);
}

// The children go before the brush and font they are drawn with.
CIngredientPanel::~CIngredientPanel()
{
    DestroyWindow();
}

std::unique_ptr<CEditPanelSlot> CIngredientPanel::Make(CWnd* pForm, const RECT& rect)
{
    return std::make_unique<CIngredientPanel>(pForm, rect);
}

void CIngredientPanel::SetOwner(CWnd* pOwner)
{
    m_pOwner = dynamic_cast<CIngredientPanelOwner*>(pOwner);
}

void CIngredientPanel::SetLine(CIngData* pLine)
{
    m_pLine = pLine;
    ShowFlags();
}

void CIngredientPanel::ShowFlags()
{
    CheckDlgButton(IDC_INGPANEL_OPTIONAL, m_pLine != nullptr && m_pLine->m_optional ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_INGPANEL_PREP_BEFORE, m_pLine != nullptr && m_pLine->m_switch ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_INGPANEL_USE_RECIPE,
                   m_pLine != nullptr && m_pLine->m_lineType == kRecipeType ? BST_CHECKED : BST_UNCHECKED);
}

// Keys of the recipe editor reach the boxes through the line editor as commands with code 1.
BOOL CIngredientPanel::OnCommand(WPARAM wParam, LPARAM lParam)
{
    m_bKeyCommand = HIWORD(wParam) != BN_CLICKED;
    return CWnd::OnCommand(wParam, lParam);
}

int CIngredientPanel::OnCreate(tagCREATESTRUCTA*)
{
    for (int i = 0; i < kControlCount; ++i)
    {
        const Control& control = kControls[i];
        m_controls[i].Create(LoadText(control.nTextId), WS_CHILD | WS_VISIBLE | WS_TABSTOP | control.style,
                             control.rect, this, control.nId);
        m_controls[i].SetFont(&m_font);
    }
    return 0;
}

BOOL CIngredientPanel::OnEraseBkgnd(CDC* pDC)
{
    RECT client;
    GetClientRect(&client);
    ::FillRect(pDC->m_hDC, &client, m_background);
    return TRUE;
}

HBRUSH CIngredientPanel::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (!IsButton(pWnd))
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkMode(TRANSPARENT);
    return m_background;
}

void CIngredientPanel::OnOptional()
{
    if (m_pLine != nullptr)
        FollowBox(IDC_INGPANEL_OPTIONAL, m_pLine->m_optional);
}

void CIngredientPanel::OnPreparationBefore()
{
    if (m_pLine != nullptr)
        FollowBox(IDC_INGPANEL_PREP_BEFORE, m_pLine->m_switch);
}

void CIngredientPanel::FollowBox(int nBox, LONG& flag)
{
    const BOOL bChecked = IsDlgButtonChecked(nBox) == BST_CHECKED;
    if (m_bKeyCommand)
        CheckDlgButton(nBox, bChecked ? BST_UNCHECKED : BST_CHECKED);
    flag = IsDlgButtonChecked(nBox) == BST_CHECKED;
    NotifyOwner();
}

void CIngredientPanel::OnUseRecipe()
{
    if (m_pLine == nullptr)
        return;
    m_pLine->m_lineType = IsDlgButtonChecked(IDC_INGPANEL_USE_RECIPE) == BST_CHECKED ? kRecipeType : kIngredientType;
    NotifyOwner();
}

void CIngredientPanel::OnDeleteLine()
{
    if (m_pOwner != nullptr)
        m_pOwner->DeleteLine();
}

void CIngredientPanel::OnInsertLine()
{
    if (m_pOwner != nullptr)
        m_pOwner->InsertLine();
}

void CIngredientPanel::OnNewIngredient()
{
    if (m_pLine == nullptr)
        return;
    CIngData added;
    added.m_name = EditorIngredientText();
    CIngredientDialog dialog(this, added, CIngredientDialog::kAdd);
    if (dialog.DoModal() != IDC_INGREDIENT_CLOSE || dialog.GetIngredient().m_itemId == 0UL)
        return;
    m_pLine->m_itemId = dialog.GetIngredient().m_itemId;
    m_pLine->m_name = dialog.GetIngredient().m_name;
    RefreshFromCatalogue();
    NotifyOwner();
}

// The kind searched is read back after the dialog: the user may have changed tabs.
void CIngredientPanel::OnFindIngredient()
{
    if (m_pLine == nullptr)
        return;
    const BOOL bRecipe = IsDlgButtonChecked(IDC_INGPANEL_USE_RECIPE) == BST_CHECKED;
    CFindDlg::SetShownTab(bRecipe ? CFindDlg::kRecipes : CFindDlg::kIngredients);
    CFindDlg dialog(EditorIngredientText(), TRUE, this);
    if (dialog.DoModal() != IDOK)
        return;
    const CListItem* pFound = dialog.GetSelectedItem();
    const int nKind = CFindDlg::GetShownTab();
    if (pFound == nullptr || pFound->m_id == 0UL || (nKind != CFindDlg::kIngredients && nKind != CFindDlg::kRecipes))
        return;
    m_pLine->m_itemId = pFound->m_id;
    m_pLine->m_name = pFound->m_name;
    if (nKind == CFindDlg::kIngredients)
        RefreshFromCatalogue();
    else
        m_pLine->m_lineType = kRecipeType;
    NotifyOwner();
}

void CIngredientPanel::RefreshFromCatalogue()
{
    m_pLine->m_lineType = kIngredientType;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    CIngRec ingredient(m_pLine->m_itemId, nullptr);
    if (pDatabase == nullptr || !pDatabase->LoadIngredients(ingredient))
        return;
    m_pLine->m_plural = ingredient.m_plural;
    m_pLine->m_seasoning = ingredient.m_seasoning;
    m_pLine->m_fractional = ingredient.m_fractional;
    m_pLine->m_liquid = ingredient.m_liquid;
    m_pLine->m_dry = ingredient.m_dry;
    m_pLine->m_groupId = ingredient.m_groupId;
}

// The boxes follow the line at once; the owner shows it again in its list and editor.
void CIngredientPanel::NotifyOwner()
{
    ShowFlags();
    if (m_pOwner != nullptr)
        m_pOwner->LineChanged(m_pLine, TRUE);
}

CString CIngredientPanel::EditorIngredientText() const
{
    CString text;
    if (m_pOwner == nullptr || !m_pOwner->GetEditorIngredientText(text))
        text.Empty();
    return text;
}
