#include "forms/CategoryBrowser.h"

#include <windows.h>

#include <vector>

#include "database/CategoryListItem.h"
#include "database/CookbookDatabase.h"
#include "res/resource.h"
#include "shell/formbase/NavEntry.h"
#include "shell/services/CurrentDatabase.h"

namespace {

constexpr const char* kIndent = "    ";

// A static control shows "&&" as one "&": a name's own "&" must not become a mnemonic.
CString ShownInStatic(CString name)
{
    const int nAt = name.Find('&');
    if (nAt >= 0)
        name.Insert(nAt, '&');
    return name;
}

}  // namespace

void CCategoryBrowser::Start(int nTree)
{
    m_nTree = nTree;
    m_levels.Clear();
    CString rootName;
    rootName.LoadString(nTree == kRecipeTree ? IDS_RECIPES_NAV : IDS_MEAL_PLANS_NAV);
    Enter(0, rootName);
}

long CCategoryBrowser::GetLevelId() const
{
    const CNavEntry* pLevel = m_levels.Top();
    return pLevel != nullptr ? pLevel->m_value : 0;
}

void CCategoryBrowser::Enter(long id, const CString& name)
{
    m_levels.Push(name, id, m_nTree);
    Reload();
}

void CCategoryBrowser::Climb()
{
    if (IsAtRoot())
        return;
    m_levels.Pop();
    Reload();
}

void CCategoryBrowser::Reload()
{
    m_children.DeleteAll();
    if (CCookbookDatabase* pDatabase = GetCurrentDatabase())
        pDatabase->GetChildCategories(m_children, GetLevelId(), m_nTree);
}

void CCategoryBrowser::Fill(HWND hList) const
{
    ::SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    const CNavEntry* pLevel = m_levels.Top();
    auto addRow = [hList](const CString& text, long id) {
        const LRESULT nRow = ::SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.GetString()));
        ::SendMessageA(hList, LB_SETITEMDATA, static_cast<WPARAM>(nRow), id);
    };
    addRow(pLevel != nullptr ? pLevel->m_name : CString(), kTitleRow);
    for (int i = 0; i < m_children.GetSize(); ++i)
    {
        const auto* pChild = static_cast<const CategoryListItem*>(m_children.GetAt(i));
        if (pChild != nullptr)
            addRow(kIndent + pChild->m_name, pChild->m_id.GetNumber());
    }
}

BOOL CCategoryBrowser::Navigate(HWND hList, int nRow)
{
    if (nRow < 0)
        return FALSE;
    const long id = static_cast<long>(::SendMessageA(hList, LB_GETITEMDATA, static_cast<WPARAM>(nRow), 0));
    if (id == kTitleRow)
    {
        if (IsAtRoot())
            return FALSE;
        Climb();
    }
    else if (const CategoryListItem* pChild = FindChild(id))
    {
        Enter(id, pChild->m_name);
    }
    else
    {
        return FALSE;
    }
    Fill(hList);
    return TRUE;
}

const CategoryListItem* CCategoryBrowser::FindChild(long id) const
{
    for (int i = 0; i < m_children.GetSize(); ++i)
    {
        const auto* pChild = static_cast<const CategoryListItem*>(m_children.GetAt(i));
        if (pChild != nullptr && pChild->m_id.GetNumber() == id)
            return pChild;
    }
    return nullptr;
}

CString CCategoryBrowser::PathOf(long id) const
{
    std::vector<CString> names;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    // The walk is bounded: a damaged parent chain must not hang the dialog.
    for (int steps = 0; pDatabase != nullptr && id != 0 && steps < 64; ++steps)
    {
        const CategoryListItem* pCategory = pDatabase->FindCategory(CRecordId(static_cast<unsigned long>(id)));
        if (pCategory == nullptr)
            break;
        names.insert(names.begin(), pCategory->m_name);
        id = pCategory->m_secondId.GetNumber();
    }
    const CNavEntry* pRoot = m_levels.IsEmpty() ? nullptr : static_cast<const CNavEntry*>(m_levels.GetHead());
    if (pRoot != nullptr)
        names.insert(names.begin(), pRoot->m_name);
    CString path;
    CString indent;
    for (const CString& name : names)
    {
        if (!path.IsEmpty())
            path += "\r\n";
        path += indent + ShownInStatic(name);
        indent += "  ";
    }
    return path;
}
