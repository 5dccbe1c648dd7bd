#pragma once

#include <cstddef>
#include <memory>
#include <vector>

class CPortRecordset;
class CRowValues;

// The rows of one table written by one insert call, in order; owns them.
class CRowList
{
public:
    // Room is made for the rows expected; more can be added.
    CRowList(CPortRecordset& described, std::size_t nExpected);
    ~CRowList();
    CRowList(const CRowList&) = delete;
    CRowList& operator=(const CRowList&) = delete;

    // A new empty row at the end, typed by the described table.
    CRowValues& AddRow();
    const std::vector<const CRowValues*>& GetRows() const { return m_rowViews; }

private:
    CPortRecordset& m_described;
    std::vector<std::unique_ptr<CRowValues>> m_rows;
    std::vector<const CRowValues*> m_rowViews;
};
