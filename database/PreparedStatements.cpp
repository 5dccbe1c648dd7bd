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

COdbcStatement* CPreparedStatements::Find(const Key& key) const
{
    const auto kept = m_statements.find(key);
    return kept != m_statements.end() ? kept->second.get() : nullptr;
}

COdbcStatement& CPreparedStatements::Add(CDatabase& database, const Key& key, const CString& sql)
{
    if (m_statements.size() >= kMostKept)
        Clear();
    auto statement = std::make_unique<COdbcStatement>(database);
    statement->Prepare(database.AdaptSql(sql));
    return *(m_statements[key] = std::move(statement));
}

void CPreparedStatements::Clear()
{
    m_statements.clear();
}
