#include "database/SqlText.h"

#include <unordered_map>

#include "database/RecordId.h"
#include "framework/String.h"
#include "framework/StringList.h"
#include "res/resource.h"

namespace {

BOOL LoadQualified(CString& out, UINT nTableId, UINT nColumnId)
{
    CString table;
    CString column;
    if (!table.LoadString(nTableId) || !column.LoadString(nColumnId))
        return FALSE;
    out = table + "." + column;
    return TRUE;
}

}  // namespace

void BuildQualifiedColumnList(CString& out, UINT nTableId, const UINT* pColumnIds)
{
    out.Empty();
    CString list;
    for (const UINT* id = pColumnIds; id != nullptr && *id != 0; ++id)
    {
        CString qualified;
        if (!LoadQualified(qualified, nTableId, *id))
            return;
        list += (list.IsEmpty() ? "" : ", ") + qualified;
    }
    out = list;
}

void BuildJoinCondition(CString& out, UINT nTableA, UINT nColumnA, UINT nTableB, UINT nColumnB)
{
    out.Empty();
    CString left;
    CString right;
    if (LoadQualified(left, nTableA, nColumnA) && LoadQualified(right, nTableB, nColumnB))
        out = left + "=" + right;
}

void BuildColumnCondition(CString& out, UINT nTableId, UINT nColumnId, LPCSTR lpszValue)
{
    out.Empty();
    CString qualified;
    if (lpszValue == nullptr || *lpszValue == '\0' || !LoadQualified(qualified, nTableId, nColumnId))
        return;
    out = qualified + "=" + QuoteSqlText(lpszValue);
}

void BuildIdCondition(CString& out, UINT nTableId, UINT nColumnId, const CRecordId& id)
{
    BuildColumnCondition(out, nTableId, nColumnId, id.GetText());
}

CString BuildSelectStatement(const CString& table, const CStringList* columns, LPCSTR condition, LPCSTR order)
{
    if (table.IsEmpty())
        return CString();
    CString columnPart;
    if (columns == nullptr || columns->IsEmpty())
        columnPart = "*";
    for (POSITION position = columns != nullptr ? columns->GetHeadPosition() : nullptr; position != nullptr;)
        columnPart += (columnPart.IsEmpty() ? "" : ",") + columns->GetNext(position);
    CString sql = "SELECT " + columnPart + " FROM " + table;
    if (condition != nullptr)
        sql += LoadSchemaText(IDS_SQL_WHERE) + condition;
    if (order != nullptr)
        sql += LoadSchemaText(IDS_SQL_ORDER_BY) + order;
    return sql;
}

// Statements are built from these names row after row: each is read from the string table once.
const CString& LoadSchemaText(UINT nId)
{
    static std::unordered_map<UINT, CString> loaded;
    const auto found = loaded.find(nId);
    if (found != loaded.end())
        return found->second;
    CString text;
    text.LoadString(nId);
    return loaded.emplace(nId, text).first->second;
}
