#include "database/SqlText.h"

#include "database/RecordId.h"
#include "framework/String.h"

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

} // namespace

void EscapeSqlQuotes(CString& text)
{
    text.Replace("'", "''");
}

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
    CString value(lpszValue);
    EscapeSqlQuotes(value);
    out = qualified + "='" + value + "'";
}

void BuildIdCondition(CString& out, UINT nTableId, UINT nColumnId, const CRecordId& id)
{
    BuildColumnCondition(out, nTableId, nColumnId, id.GetText());
}

CString LoadSchemaText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

CString QuoteSqlText(const char* value)
{
    CString text = value;
    EscapeSqlQuotes(text);
    return "'" + text + "'";
}
