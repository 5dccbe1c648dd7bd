#include "exchange/SourceTable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "database/PortRecordset.h"
#include "exchange/DbfTable.h"
#include "exchange/Utf8Text.h"
#include "framework/StringList.h"

namespace {

BOOL ReadsAsNumber(const CString& text, double& number)
{
    if (text.IsEmpty())
        return FALSE;
    char* pEnd = nullptr;
    number = strtod(text, &pEnd);
    return pEnd != nullptr && *pEnd == '\0';
}

CString NumberKey(double number)
{
    char buffer[40];
    snprintf(buffer, sizeof buffer, "%.15g", number);
    return buffer;
}

// Where the next " AND " outside quotes begins; -1 for none.
int FindJoin(const CString& text)
{
    bool quoted = false;
    for (int i = 0; i + 5 <= text.GetLength(); ++i)
    {
        if (text[i] == '\'')
            quoted = !quoted;
        else if (!quoted && text.Mid(i, 5).CompareNoCase(" AND ") == 0)
            return i;
    }
    return -1;
}

BOOL Listed(const CStringList* columns, const CString& name)
{
    if (columns == nullptr)
        return TRUE;
    for (POSITION position = columns->GetHeadPosition(); position != nullptr;)
        if (columns->GetNext(position).CompareNoCase(name) == 0)
            return TRUE;
    return FALSE;
}

// The text of a literal: quotes removed, doubled quotes made single; a bare number as it stands.
BOOL ParseLiteral(CString text, CString& literal)
{
    text.Trim();
    if (text.GetLength() >= 2 && text[0] == '\'' && text[text.GetLength() - 1] == '\'')
    {
        literal = text.Mid(1, text.GetLength() - 2);
        literal.Replace("''", "'");
        return TRUE;
    }
    double number = 0;
    literal = text;
    return ReadsAsNumber(text, number);
}

}  // namespace

void CSourceTable::Reset()
{
    m_columns.clear();
    m_rows.clear();
    m_indexes.clear();
    m_conditions.clear();
}

void CSourceTable::Load(CPortRecordset& recordset, BOOL textIsUtf8)
{
    Reset();
    for (int i = 0; i < recordset.GetColumnCount(); ++i)
        m_columns.push_back(*recordset.GetColumn(i));
    for (; recordset.IsOpen() && !recordset.IsEOF(); recordset.MoveNext())
    {
        std::vector<CFieldValue> row;
        for (int i = 0; i < recordset.GetColumnCount(); ++i)
        {
            row.push_back(*recordset.GetColumn(i));
            if (textIsUtf8 && CFieldValue::IsTextType(row.back().m_nSqlType))
                row.back().m_strText = Utf8ToCodePage(row.back().m_strText);
        }
        m_rows.push_back(row);
    }
    Requery();
}

void CSourceTable::Load(const CDbfTable& table, const CStringList* columns)
{
    Reset();
    std::vector<int> fields;
    for (int i = 0; i < table.GetFieldCount(); ++i)
        if (Listed(columns, table.GetField(i).name))
        {
            fields.push_back(i);
            CFieldValue column;
            column.m_strName = table.GetField(i).name;
            column.m_nSqlType = CDbfTable::SqlTypeOf(table.GetField(i));
            column.m_lPrecision = table.GetField(i).length;
            m_columns.push_back(column);
        }
    m_rows.resize(table.GetRowCount());
    for (int row = 0; row < table.GetRowCount(); ++row)
    {
        m_rows[row].resize(fields.size());
        for (size_t i = 0; i < fields.size(); ++i)
            table.ReadValue(row, fields[i], m_rows[row][i]);
    }
    Requery();
}

int CSourceTable::FindColumn(const CString& name) const
{
    for (int i = 0; i < GetColumnCount(); ++i)
        if (m_columns[i].m_strName.CompareNoCase(name) == 0)
            return i;
    return -1;
}

BOOL CSourceTable::ParseCondition(CString text, const CSourceTable& table, Condition& condition)
{
    // The operator is the first one met: a quoted value may hold either.
    const int notEqual = text.Find("<>");
    const int equal = text.Find('=');
    if (equal < 0 && notEqual < 0)
        return FALSE;
    condition.equal = notEqual < 0 || (equal >= 0 && equal < notEqual);
    const int operatorAt = condition.equal ? equal : notEqual;
    CString column = text.Left(operatorAt);
    column.Trim();
    CString value = text.Mid(operatorAt + (condition.equal ? 1 : 2));
    value.Trim();
    // A column the table lacks meets no equality, as an empty value would not.
    condition.column = table.FindColumn(column);
    condition.parameter = value == "?";
    return condition.parameter || ParseLiteral(value, condition.literal);
}

BOOL CSourceTable::SetFilter(const CString& filter)
{
    std::vector<Condition> conditions;
    CString rest = filter;
    while (!rest.IsEmpty())
    {
        const int join = FindJoin(rest);
        Condition condition;
        if (!ParseCondition(join < 0 ? rest : rest.Left(join), *this, condition))
            return FALSE;
        conditions.push_back(condition);
        rest = join < 0 ? CString() : rest.Mid(join + 5);
    }
    m_conditions = conditions;
    return TRUE;
}

void CSourceTable::CreateIndex(const CString& column)
{
    const int index = FindColumn(column);
    if (index < 0 || m_indexes.count(index) != 0)
        return;
    std::multimap<CString, size_t>& lookup = m_indexes[index];
    for (size_t row = 0; row < m_rows.size(); ++row)
        lookup.emplace(KeyOf(m_rows[row][index]), row);
}

CString CSourceTable::KeyOf(const CString& text)
{
    double number = 0;
    return ReadsAsNumber(text, number) ? NumberKey(number) : text;
}

CString CSourceTable::KeyOf(const CFieldValue& value)
{
    if (CFieldValue::IsTextType(value.m_nSqlType))
        return KeyOf(value.m_strText);
    double number = 0;
    GetFieldValueDouble(value, number);
    return NumberKey(number);
}

const CString& CSourceTable::ValueOf(const Condition& condition, size_t& nextParameter) const
{
    static const CString s_missing;
    if (!condition.parameter)
        return condition.literal;
    return nextParameter < m_parameters.size() ? m_parameters[nextParameter++] : s_missing;
}

BOOL CSourceTable::RowMeets(size_t row) const
{
    size_t nextParameter = 0;
    for (const Condition& condition : m_conditions)
    {
        const CString wanted = KeyOf(ValueOf(condition, nextParameter));
        const bool same = condition.column >= 0 && KeyOf(m_rows[row][condition.column]) == wanted;
        if (same != condition.equal)
            return FALSE;
    }
    return TRUE;
}

std::vector<size_t> CSourceTable::CandidateRows() const
{
    size_t nextParameter = 0;
    for (const Condition& condition : m_conditions)
    {
        const CString& value = ValueOf(condition, nextParameter);
        const auto index = m_indexes.find(condition.column);
        if (!condition.equal || index == m_indexes.end())
            continue;
        std::vector<size_t> rows;
        const auto range = index->second.equal_range(KeyOf(value));
        for (auto it = range.first; it != range.second; ++it)
            rows.push_back(it->second);
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    std::vector<size_t> rows(m_rows.size());
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row] = row;
    return rows;
}

void CSourceTable::Requery()
{
    m_matches.clear();
    for (size_t row : CandidateRows())
        if (RowMeets(row))
            m_matches.push_back(row);
    m_current = 0;
}

void CSourceTable::MoveNext()
{
    if (!IsEOF())
        ++m_current;
}

void CSourceTable::GetValue(const CString& column, CFieldValue& value) const
{
    const int index = FindColumn(column);
    if (index < 0 || IsEOF())
    {
        value.m_strName = column;
        value.m_nSqlType = CFieldValue::typeChar;
        value.SetText("");
        return;
    }
    value = m_rows[m_matches[m_current]][index];
}
