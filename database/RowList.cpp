#include "database/RowList.h"

#include "database/RowValues.h"

CRowList::CRowList(CPortRecordset& described, std::size_t nExpected) : m_described(described)
{
    m_rows.reserve(nExpected);
    m_rowViews.reserve(nExpected);
}

CRowList::~CRowList() = default;

CRowValues& CRowList::AddRow()
{
    m_rows.push_back(std::make_unique<CRowValues>(m_described));
    m_rowViews.push_back(m_rows.back().get());
    return *m_rows.back();
}
