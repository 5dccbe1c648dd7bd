#include "shopping/ShopItemDlg.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/IngData.h"
#include "database/IngRec.h"
#include "database/QuantityText.h"
#include "database/UnitRec.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/MessageUtilities.h"
#include "shopping/StoreRows.h"
#include "shopping/ShoppingListItem.h"

namespace {

CString ComboText(const CComboBox& combo)
{
    CString text;
    combo.GetWindowText(text);
    return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CShopItemDlg, CDialog)
    ON_CBN_CLOSEUP(IDC_SHOP_INGREDIENT, OnIngredientChosen)
    ON_CBN_KILLFOCUS(IDC_SHOP_INGREDIENT, OnIngredientChosen)
END_MESSAGE_MAP()

CShopItemDlg::CShopItemDlg(CShoppingListItem& item, CWnd* pParent) : CDialog(IDD_SHOP_ITEM, pParent), m_item(item) {}

BOOL CShopItemDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_ingredients.SubclassDlgItem(IDC_SHOP_INGREDIENT, this);
    m_units.SubclassDlgItem(IDC_SHOP_UNIT, this);
    m_sections.SubclassDlgItem(IDC_SHOP_SECTION, this);
    m_ingredients.SetIngredientSearch(&m_search);
    FillUnits();
    FillSections();
    const CIngData& line = m_item.GetLine();
    m_ingredients.SetText(line.m_name);
    m_units.SetWindowText(line.m_unitText);
    m_sections.SetWindowText(line.m_groupName);
    char range[100];
    FormatQuantityRange(range, sizeof range, 0, line.m_minQty, line.m_maxQty, false);
    SetDlgItemText(IDC_SHOP_QUANTITY, range);
    return TRUE;
}

void CShopItemDlg::FillUnits()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return;
    const CCustObList& units = pDatabase->LoadUnits();
    for (POSITION position = units.GetHeadPosition(); position != nullptr;)
    {
        const auto* pUnit = static_cast<const CUnitRec*>(units.GetNext(position));
        const int nRow = m_units.AddString(pUnit->m_name);
        m_units.SetItemData(nRow, static_cast<DWORD_PTR>(pUnit->m_id.GetNumber()));
    }
}

void CShopItemDlg::FillSections()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return;
    for (const auto& [id, name] : pDatabase->LoadGroups())
    {
        if (!IsGroupName(name))
            continue;
        const int nRow = m_sections.AddString(name);
        m_sections.SetItemData(nRow, static_cast<DWORD_PTR>(CRecordId(id).GetNumber()));
    }
}

void CShopItemDlg::OnIngredientChosen()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    const int nEntry = m_ingredients.FindStringExact(-1, ComboText(m_ingredients));
    m_sections.SetCurSel(-1);
    if (nEntry < 0 || pDatabase == nullptr)
        return;
    CIngRec ingredient;
    m_ingredients.GetLBText(nEntry, ingredient.m_name);
    if (!pDatabase->LoadIngredients(ingredient))
        return;
    for (int nRow = 0; nRow < m_sections.GetCount(); ++nRow)
    {
        if (static_cast<long>(m_sections.GetItemData(nRow)) == ingredient.m_groupId.GetNumber())
            m_sections.SetCurSel(nRow);
    }
}

void CShopItemDlg::OnOK()
{
    if (!ReadUnit())
    {
        MessageBoxById(m_hWnd, nullptr, IDS_UNIT_NOT_IN_DATABASE, MB_ICONEXCLAMATION);
        return;
    }
    CIngData& line = m_item.GetLine();
    line.m_name = ComboText(m_ingredients);
    const int nEntry = m_ingredients.FindStringExact(-1, line.m_name);
    if (nEntry >= 0)
        line.m_itemId = CRecordId(static_cast<unsigned long>(m_ingredients.GetItemData(nEntry)));
    ReadSection();
    CString quantity;
    GetDlgItemText(IDC_SHOP_QUANTITY, quantity);
    SplitQuantityRange(quantity, line.m_minQty, line.m_maxQty);
    EndDialog(IDOK);
}

// An exact match: a unit the user only began to type is not taken for a longer one.
BOOL CShopItemDlg::ReadUnit()
{
    const int nRow = m_units.FindStringExact(-1, ComboText(m_units));
    if (nRow < 0)
        return FALSE;
    CIngData& line = m_item.GetLine();
    CUnitRec unit;
    unit.m_id = CRecordId(static_cast<unsigned long>(m_units.GetItemData(nRow)));
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (unit.m_id == line.m_unitId || pDatabase == nullptr || !pDatabase->LoadUnitConversions(unit))
        return TRUE;
    line.m_unitId = unit.m_id;
    line.m_unitText = unit.m_name;
    line.m_unitType = unit.m_unitType;
    line.m_unitValue = unit.m_value;
    line.m_unitFactor1 = unit.m_factor1;
    line.m_unitFactor2 = unit.m_factor2;
    return TRUE;
}

void CShopItemDlg::ReadSection()
{
    CIngData& line = m_item.GetLine();
    line.m_groupName = ComboText(m_sections);
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return;
    const std::map<CString, CString>& groups = pDatabase->LoadGroups();
    const auto found = groups.find(line.m_groupName);
    if (found != groups.end())
        line.m_groupId = CRecordId(found->second);
}
