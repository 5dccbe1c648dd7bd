#include "framework/SqlDialect.h"

#include <cctype>
#include <cstring>

namespace {

// Position of word in text ignoring case, or -1.
int FindNoCase(const CString& text, LPCSTR word, int start = 0)
{
    CString upperText = text;
    upperText.MakeUpper();
    CString upperWord(word);
    upperWord.MakeUpper();
    return upperText.Find(upperWord, start);
}

int FindLastNoCase(const CString& text, LPCSTR word)
{
    int found = -1;
    for (int at = FindNoCase(text, word); at >= 0; at = FindNoCase(text, word, at + 1))
        found = at;
    return found;
}

BOOL StartsWithNoCase(const CString& text, LPCSTR prefix)
{
    return _strnicmp(text, prefix, std::strlen(prefix)) == 0;
}

CString Unqualified(CString column)
{
    column.Trim();
    return column.Mid(column.ReverseFind('.') + 1);
}

// The expression left of "=[P]": back to a blank, bracket or comma.
CString ExpressionBefore(const CString& text, int equals)
{
    int start = equals;
    while (start > 0 && std::strchr(" (,", text[start - 1]) == nullptr)
        --start;
    return text.Mid(start, equals - start);
}

CString UnqualifiedOrderList(const CString& order)
{
    CString result;
    CString rest = order;
    while (!rest.IsEmpty())
    {
        int comma = rest.Find(',');
        CString item = comma < 0 ? rest : rest.Left(comma);
        rest = comma < 0 ? CString() : rest.Mid(comma + 1);
        if (!result.IsEmpty())
            result += ",";
        result += Unqualified(item);
    }
    return result;
}

}  // namespace

CString QuoteSqlText(const char* value)
{
    CString text = value != nullptr ? value : "";
    text.Replace("'", "''");
    return "'" + text + "'";
}

BOOL CSqlDialect::ParseCall(const CString& sql, CString& name)
{
    CString text = sql;
    text.Trim();
    if (!StartsWithNoCase(text, "{call ") || text.Right(4) != "(?)}")
        return FALSE;
    name = text.Mid(6, text.GetLength() - 10);
    name.Trim();
    return !name.IsEmpty();
}

BOOL CSqlDialect::ParseDropTable(const CString& sql, CString& name)
{
    CString text = sql;
    text.Trim();
    if (!StartsWithNoCase(text, "DROP TABLE "))
        return FALSE;
    name = text.Mid(11);
    name.Trim();
    return !name.IsEmpty() && name.Find(' ') < 0;
}

BOOL CSqlDialect::AdaptParameterView(const CString& sql, CString& viewName, CString& viewSql, CString& queryText)
{
    CString text = sql;
    text.Trim();
    const int as = FindNoCase(text, " AS SELECT ");
    if (!StartsWithNoCase(text, "CREATE VIEW ") || as < 0)
        return FALSE;
    const int open = text.Find('[');
    const int close = text.Find(']', open + 1);
    if (open < 0 || close < 0)
        return FALSE;
    const CString parameter = text.Mid(open, close - open + 1);
    const int equals = text.Find("=" + parameter);
    if (equals < 0)
        return FALSE;
    const CString column = ExpressionBefore(text, equals);
    if (column.IsEmpty())
        return FALSE;
    viewName = text.Mid(12, as - 12);
    viewName.Trim();

    CString filter;
    const int alias = text.Find(parameter + " AS ");
    if (alias >= 0)
    {
        const int aliasStart = alias + parameter.GetLength() + 4;
        int aliasEnd = aliasStart;
        while (aliasEnd < text.GetLength() && std::strchr(", ", text[aliasEnd]) == nullptr)
            ++aliasEnd;
        filter = text.Mid(aliasStart, aliasEnd - aliasStart);
        text.Replace(parameter + " AS ", column + " AS ");
    }
    else
    {
        filter = Unqualified(column);
        text.Insert(as + 11, column + ",");
    }
    text.Replace(column + "=" + parameter, "1=1");
    if (text.Find('[') >= 0)
        return FALSE;

    CString order;
    const int orderAt = FindLastNoCase(text, " ORDER BY ");
    if (orderAt > 0)
    {
        order = UnqualifiedOrderList(text.Mid(orderAt + 10));
        text = text.Left(orderAt);
    }
    viewSql = text;
    queryText = "SELECT * FROM " + viewName + " WHERE " + filter + "=?";
    if (!order.IsEmpty())
        queryText += " ORDER BY " + order;
    return TRUE;
}
