#include "database/RowValues.h"

#include "database/FieldValue.h"
#include "database/PortRecordset.h"
#include "database/SqlText.h"

CRowValues::CRowValues(CPortRecordset& described)
    : m_described(described), m_slots(new Slot[static_cast<std::size_t>(described.GetColumnCount())]),
      m_nCapacity(static_cast<std::size_t>(described.GetColumnCount()))
{
}

CRowValues::~CRowValues() = default;

CFieldValue& CRowValues::Add(UINT columnId)
{
    Slot& slot = m_nCount < m_nCapacity ? m_slots[m_nCount] : *m_overflow.emplace_back(std::make_unique<Slot>());
    ++m_nCount;
    slot.columnId = columnId;
    CFieldValue& value = slot.value;
    if (const CFieldValue* column = m_described.FindColumn(columnId))
        value.CopyFrom(*column);
    else
        value.m_nSqlType = CFieldValue::typeVarChar;
    value.Clear();
    return value;
}

const CRowValues::Slot& CRowValues::SlotAt(std::size_t index) const
{
    return index < m_nCapacity ? m_slots[index] : *m_overflow[index - m_nCapacity];
}

const CFieldValue& CRowValues::GetValue(std::size_t index) const
{
    return SlotAt(index).value;
}

const CString& CRowValues::GetColumn(std::size_t index) const
{
    return LoadSchemaText(GetColumnId(index));
}

const CStringList* CRowValues::GetColumns() const
{
    m_columnList.RemoveAll();
    for (std::size_t i = 0; i < GetCount(); ++i)
        m_columnList.AddTail(GetColumn(i));
    return &m_columnList;
}

const CObList* CRowValues::GetValues() const
{
    m_valueList.RemoveAll();
    for (std::size_t i = 0; i < GetCount(); ++i)
        m_valueList.AddTail(const_cast<CFieldValue*>(&GetValue(i)));
    return &m_valueList;
}
