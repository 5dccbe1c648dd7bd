#include "database/UnitRec.h"

CUnitRec::CUnitRec() : m_unitType(0), m_unitSystem(0), m_value(0), m_factor1(0), m_factor2(0) {}

CUnitRec::CUnitRec(const CRecordId& id, double value) : CUnitRec()
{
    m_id = id;
    m_value = value;
}
