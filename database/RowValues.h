#pragma once

#include <windef.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "database/FieldValue.h"
#include "framework/ObList.h"
#include "framework/String.h"
#include "framework/StringList.h"

class CPortRecordset;

// The columns and typed values of one row to insert or update. Each value starts as a copy of
// the column that a recordset opened on the table describes, so quoting follows its SQL type.
class CRowValues
{
public:
    explicit CRowValues(CPortRecordset& described);
    ~CRowValues();
    CRowValues(const CRowValues&) = delete;
    CRowValues& operator=(const CRowValues&) = delete;

    // A column the table lacks is added as text. The value stays where it is while more are added.
    CFieldValue& Add(UINT columnId);

    std::size_t GetCount() const { return m_nCount; }
    UINT GetColumnId(std::size_t index) const { return SlotAt(index).columnId; }
    const CString& GetColumn(std::size_t index) const;
    const CFieldValue& GetValue(std::size_t index) const;
    // The same as lists, for the statement builders that take them.
    const CStringList* GetColumns() const;
    const CObList* GetValues() const;

private:
    struct Slot
    {
        UINT columnId = 0;
        CFieldValue value;
    };
    const Slot& SlotAt(std::size_t index) const;

    CPortRecordset& m_described;
    // One slot for each of the table's columns, made at once; more go to the overflow, which
    // (unlike a deque) costs nothing while it is empty.
    std::unique_ptr<Slot[]> m_slots;
    std::size_t m_nCapacity;
    std::size_t m_nCount = 0;
    std::vector<std::unique_ptr<Slot>> m_overflow;
    mutable CStringList m_columnList;
    mutable CObList m_valueList;
};
