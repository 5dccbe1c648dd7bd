#include "database/RowValues.h"

#include "database/FieldValue.h"
#include "database/PortRecordset.h"
#include "database/SqlText.h"

CRowValues::CRowValues(CPortRecordset& described) : m_described(described) {}

CRowValues::~CRowValues()
{
    for (POSITION position = m_values.GetHeadPosition(); position != nullptr;)
        delete static_cast<CFieldValue*>(m_values.GetNext(position));
}

CFieldValue& CRowValues::Add(UINT columnId)
{
    const CString name = LoadSchemaText(columnId);
    auto* value = new CFieldValue;
    if (const CFieldValue* column = m_described.FindColumn(name))
        value->CopyFrom(*column);
    else
        value->m_nSqlType = CFieldValue::typeVarChar;
    value->Clear();
    m_columns.AddTail(name);
    m_values.AddTail(value);
    return *value;
}
