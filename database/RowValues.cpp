#include "database/RowValues.h"

#include "database/FieldValue.h"
#include "database/PortRecordset.h"
#include "database/SqlText.h"

CRowValues::CRowValues(CPortRecordset& described) : m_described(described) {}

CRowValues::~CRowValues() = default;

CFieldValue& CRowValues::Add(UINT columnId)
{
    m_columnIds.push_back(columnId);
    CFieldValue& value = m_values.emplace_back();
    if (const CFieldValue* column = m_described.FindColumn(columnId))
        value.CopyFrom(*column);
    else
        value.m_nSqlType = CFieldValue::typeVarChar;
    value.Clear();
    return value;
}

const CString& CRowValues::GetColumn(std::size_t index) const
{
    return LoadSchemaText(m_columnIds[index]);
}

const CStringList* CRowValues::GetColumns() const
{
    m_columnList.RemoveAll();
    for (const UINT columnId : m_columnIds)
        m_columnList.AddTail(LoadSchemaText(columnId));
    return &m_columnList;
}

const CObList* CRowValues::GetValues() const
{
    m_valueList.RemoveAll();
    for (const CFieldValue& value : m_values)
        m_valueList.AddTail(const_cast<CFieldValue*>(&value));
    return &m_valueList;
}
