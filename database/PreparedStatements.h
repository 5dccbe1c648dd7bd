#pragma once

#include <windef.h>

#include <cstddef>
#include <map>
#include <memory>
#include <tuple>

#include "framework/String.h"

class CDatabase;
class COdbcStatement;

// Insert statements of one connection prepared once and run again with new parameters, known
// by what makes their text: the table, the set of columns and the number of rows. Emptied
// before the connection closes.
class CPreparedStatements
{
public:
    using Key = std::tuple<UINT, const void*, std::size_t>;

    CPreparedStatements();
    ~CPreparedStatements();
    CPreparedStatements(const CPreparedStatements&) = delete;
    CPreparedStatements& operator=(const CPreparedStatements&) = delete;

    // Null when none is kept under the key.
    COdbcStatement* Find(const Key& key) const;
    // Raises CDBException when the text cannot be prepared.
    COdbcStatement& Add(CDatabase& database, const Key& key, const CString& sql);
    void Clear();

private:
    std::map<Key, std::unique_ptr<COdbcStatement>> m_statements;
};
