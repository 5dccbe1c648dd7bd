#pragma once

#include <windef.h>

#include "database/RecordId.h"
#include "framework/Object.h"
#include "framework/String.h"

// A named entry of what was put on a shopping list.
class ListItem : public CObject
{
    DECLARE_SERIAL(ListItem)
public:
    ListItem();

    void Serialize(CArchive& ar) override;

    CString m_name;
    CRecordId m_id;
    LONG m_value;
};
