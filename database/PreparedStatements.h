#pragma once

#include <map>
#include <memory>

#include "framework/String.h"

class CDatabase;
class COdbcStatement;

// Statements of one connection prepared once, by their text, and run again with new
// parameters: the driver then skips parsing and planning. Emptied before the connection closes.
class CPreparedStatements
{
public:
    CPreparedStatements();
    ~CPreparedStatements();
    CPreparedStatements(const CPreparedStatements&) = delete;
    CPreparedStatements& operator=(const CPreparedStatements&) = delete;

    // Raises CDBException when the text cannot be prepared.
    COdbcStatement& Get(CDatabase& database, const CString& sql);
    void Clear();

private:
    std::map<CString, std::unique_ptr<COdbcStatement>> m_statements;
};
