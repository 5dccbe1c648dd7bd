// Units of measure: the cached unit list, one unit's conversion data, and a line's canonical
// unit.
#include "database/CookbookDatabase.h"

#include "database/IngData.h"
#include "database/PortRecordset.h"
#include "database/UnitRec.h"
#include "res/resource.h"

namespace {

CString Load(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

CString Quoted(const char* value)
{
    CString text = value;
    text.Replace("'", "''");
    return "'" + text + "'";
}

} // namespace

CCustObList& CCookbookDatabase::LoadUnits()
{
    if (!m_units.IsEmpty())
        return m_units;
    if (!SelectFromTable(IDS_TBL_MISC, Load(IDS_COL_MISC_TYPE) + "='U'", nullptr))
        return m_units;
    for (; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext())
    {
        auto* pUnit = new CUnitRec;
        m_pWorkRecordset->GetFieldText(IDS_COL_MISC_STRING, pUnit->m_name);
        m_pWorkRecordset->GetFieldLong(IDS_COL_MISC_ITEM, pUnit->m_id);
        m_pWorkRecordset->GetFieldDouble(IDS_COL_MISC_VALUE, pUnit->m_value);
        m_units.AddTail(pUnit);
    }
    m_pWorkRecordset->Close();
    return m_units;
}

BOOL CCookbookDatabase::LoadUnitConversions(CUnitRec& unit)
{
    CString condition = Load(IDS_COL_MISC_TYPE) + "='U' AND ";
    if (unit.m_id == 0UL && !unit.m_name.IsEmpty())
        condition += Load(IDS_COL_MISC_STRING) + "=" + Quoted(unit.m_name);
    else if (unit.m_id != 0UL && unit.m_name.IsEmpty())
        condition += Load(IDS_COL_MISC_ITEM) + "=" + Quoted(unit.m_id);
    else
        return FALSE;
    if (!SelectFromTable(IDS_TBL_MISC, condition, nullptr) || m_pWorkRecordset->IsEOF())
        return FALSE;
    CPortRecordset& row = *m_pWorkRecordset;
    row.GetFieldLong(IDS_COL_MISC_ITEM, unit.m_id);
    row.GetFieldText(IDS_COL_MISC_STRING, unit.m_name);
    row.GetFieldDouble(IDS_COL_MISC_VALUE, unit.m_value);
    WORD number = 0;
    if (row.GetFieldWord(IDS_COL_MISC_SYSTEM, number))
        unit.m_unitSystem = static_cast<SHORT>(number);
    if (row.GetFieldWord(IDS_COL_MISC_U_TYPE, number))
        unit.m_unitType = static_cast<SHORT>(number);
    row.GetFieldDouble(IDS_COL_MISC_U_FACTOR1, unit.m_factor1);
    row.GetFieldDouble(IDS_COL_MISC_U_FACTOR2, unit.m_factor2);
    row.Close();
    return TRUE;
}

BOOL CCookbookDatabase::FindUnit(CIngData& line)
{
    const CCustObList& units = LoadUnits();
    for (POSITION position = units.GetHeadPosition(); position != nullptr;)
    {
        const auto* pUnit = static_cast<const CUnitRec*>(units.GetNext(position));
        if (pUnit == nullptr)
            return FALSE;
        if (pUnit->m_value == line.m_unitValue && pUnit->m_id.GetNumber() < line.m_unitId.GetNumber())
        {
            line.m_unitId = pUnit->m_id;
            line.m_unitText = pUnit->m_name;
            line.m_unitValue = pUnit->m_value;
            return TRUE;
        }
    }
    return TRUE;
}
