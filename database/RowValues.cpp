#include "database/RowValues.h"

#include "database/FieldValue.h"
#include "database/PortRecordset.h"
#include "database/SqlText.h"

CRowValues::CRowValues(CPortRecordset& described)
    : m_described(described), m_nCapacity(static_cast<std::size_t>(described.GetColumnCount()))
{
    m_columnIds.reserve(m_nCapacity);
    m_values.reset(new CFieldValue[m_nCapacity]);
}

CRowValues::~CRowValues() = default;

CFieldValue& CRowValues::Add(UINT columnId)
{
    CFieldValue& value = m_columnIds.size() < m_nCapacity
                             ? m_values[m_columnIds.size()]
                             : *m_overflow.emplace_back(std::make_unique<CFieldValue>());
    m_columnIds.push_back(columnId);
    if (const CFieldValue* column = m_described.FindColumn(columnId))
        value.CopyFrom(*column);
    else
        value.m_nSqlType = CFieldValue::typeVarChar;
    value.Clear();
    return value;
}

const CFieldValue& CRowValues::GetValue(std::size_t index) const
{
    return index < m_nCapacity ? m_values[index] : *m_overflow[index - m_nCapacity];
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
    for (std::size_t i = 0; i < GetCount(); ++i)
        m_valueList.AddTail(const_cast<CFieldValue*>(&GetValue(i)));
    return &m_valueList;
}
