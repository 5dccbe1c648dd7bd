#pragma once

#include "database/RecordId.h"
#include "framework/Object.h"
#include "framework/String.h"

// A unit of measure: a MISC row of type 'U'. Unit types: 0 and 5 counted, 1 liquid,
// 2 dry, 3 liquid or dry, 4 weight; systems 0 US, 1 metric, 2 imperial.
class CUnitRec : public CObject
{
public:
    CUnitRec();
    CUnitRec(const CRecordId& id, double value);
    CUnitRec(const CUnitRec& other) = default;
    CUnitRec& operator=(const CUnitRec& other) = default;

    CRecordId m_id;
    CString m_name;
    SHORT m_unitType;
    SHORT m_unitSystem;
    double m_value;
    double m_factor1;
    double m_factor2;
};
