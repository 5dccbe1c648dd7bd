#pragma once

#include <windef.h>

#include "framework/ObList.h"
#include "framework/StringList.h"

class CFieldValue;
class CPortRecordset;

// The columns and typed values of one row to insert or update. Each value starts as a copy of
// the column that a recordset opened on the table describes, so quoting follows its SQL type.
// Owns its values.
class CRowValues
{
public:
    explicit CRowValues(CPortRecordset& described);
    ~CRowValues();
    CRowValues(const CRowValues&) = delete;
    CRowValues& operator=(const CRowValues&) = delete;

    // A column the table lacks is added as text.
    CFieldValue& Add(UINT columnId);

    const CStringList* GetColumns() const { return &m_columns; }
    const CObList* GetValues() const { return &m_values; }

private:
    CPortRecordset& m_described;
    CStringList m_columns;
    CObList m_values;
};
