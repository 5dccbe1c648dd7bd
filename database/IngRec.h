#pragma once

#include "database/RecordId.h"
#include "framework/Object.h"
#include "framework/String.h"

// An ingredient of the cookbook's catalogue, as LoadIngredients fills it.
class CIngRec : public CObject
{
public:
    CIngRec();
    // The name is stored only when it is not empty.
    CIngRec(const CRecordId& id, const char* name);

    CRecordId m_id;
    CRecordId m_groupId;
    CString m_name;
    CString m_plural;
    CString m_soundName;
    LONG m_seasoning;
    double m_fractional;
    double m_liquid;
    double m_dry;
};
