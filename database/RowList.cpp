#include "database/RowList.h"

#include "database/RowValues.h"

CRowList::CRowList(CPortRecordset& described) : m_described(described) {}

CRowList::~CRowList() = default;

CRowValues& CRowList::AddRow()
{
    m_rows.push_back(std::make_unique<CRowValues>(m_described));
    m_rowViews.push_back(m_rows.back().get());
    return *m_rows.back();
}
