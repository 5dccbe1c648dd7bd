#include "database/PreparedStatements.h"

#include "framework/Database.h"
#include "framework/OdbcStatement.h"

namespace {

// Texts differ by which columns a row leaves out and by how many rows go together; this
// bounds the handles kept open.
const std::size_t kMostKept = 256;

}  // namespace

CPreparedStatements::CPreparedStatements() = default;

CPreparedStatements::~CPreparedStatements() = default;

COdbcStatement& CPreparedStatements::Get(CDatabase& database, const CString& sql)
{
    const auto kept = m_statements.find(sql);
    if (kept != m_statements.end())
        return *kept->second;
    if (m_statements.size() >= kMostKept)
        Clear();
    auto statement = std::make_unique<COdbcStatement>(database);
    statement->Prepare(database.AdaptSql(sql));
    return *m_statements.emplace(sql, std::move(statement)).first->second;
}

void CPreparedStatements::Clear()
{
    m_statements.clear();
}
