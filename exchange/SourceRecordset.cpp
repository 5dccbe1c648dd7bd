#include "exchange/SourceRecordset.h"

#include <algorithm>

#include "database/CharTranslation.h"

namespace {

BOOL Contains(const std::vector<int>& columns, int column)
{
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

}  // namespace

void CSourceRecordset::ClearBindings()
{
    m_positions.clear();
    m_bound.clear();
    m_encrypted.clear();
    m_indexed.clear();
}

BOOL CSourceRecordset::BindNextPosition(const CString& column, BOOL encrypted, BOOL indexed)
{
    int found = -1;
    for (int i = 0; i < GetColumnCount() && found < 0; ++i)
        if (GetColumn(i).m_strName == column)
            found = i;
    m_positions.push_back(found);
    if (found < 0)
        return FALSE;
    m_bound.push_back(found);
    if (encrypted)
        m_encrypted.push_back(found);
    if (indexed)
        m_indexed.push_back(found);
    return TRUE;
}

BOOL CSourceRecordset::IsColumnIndexed(int column) const
{
    return Contains(m_indexed, column);
}

int CSourceRecordset::ColumnAtPosition(int position) const
{
    if (position < 0 || position >= GetPositionCount())
        return -1;
    return m_positions[position];
}

CString CSourceRecordset::GetPositionColumn(int position) const
{
    const int column = ColumnAtPosition(position);
    return column < 0 ? CString() : GetColumn(column).m_strName;
}

CString CSourceRecordset::GetBoundColumn(int k) const
{
    return k < 0 || k >= GetBoundCount() ? CString() : GetColumn(m_bound[k]).m_strName;
}

void CSourceRecordset::ReadPosition(int position, CFieldValue& value) const
{
    ReadColumn(ColumnAtPosition(position), value);
}

void CSourceRecordset::ReadColumn(int column, CFieldValue& value) const
{
    // A column name the table lacks reads as an empty text.
    GetValue(column < 0 ? CString() : GetColumn(column).m_strName, value);
    if (m_translateEncrypted && column >= 0 && Contains(m_encrypted, column) &&
        CFieldValue::IsTextType(value.m_nSqlType))
        TranslateCharsByOffsetTable(value.m_strText);
}
