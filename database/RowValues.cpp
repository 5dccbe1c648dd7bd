#include "database/RowValues.h"

#include "database/FieldValue.h"
#include "database/PortRecordset.h"
#include "database/SqlText.h"

CRowValues::CRowValues(CPortRecordset& described) : m_described(described) {}

CRowValues::~CRowValues() = default;

CFieldValue& CRowValues::Add(UINT columnId)
{
    m_names.push_back(LoadSchemaText(columnId));
    CFieldValue& value = m_values.emplace_back();
    if (const CFieldValue* column = m_described.FindColumn(m_names.back()))
        value.CopyFrom(*column);
    else
        value.m_nSqlType = CFieldValue::typeVarChar;
    value.Clear();
    return value;
}

const CStringList* CRowValues::GetColumns() const
{
    m_columnList.RemoveAll();
    for (const CString& name : m_names)
        m_columnList.AddTail(name);
    return &m_columnList;
}

const CObList* CRowValues::GetValues() const
{
    m_valueList.RemoveAll();
    for (const CFieldValue& value : m_values)
        m_valueList.AddTail(const_cast<CFieldValue*>(&value));
    return &m_valueList;
}
