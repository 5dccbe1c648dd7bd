#include "database/ColumnDefaults.h"

#include <cstdlib>

#include "database/SqlText.h"
#include "framework/DBException.h"
#include "framework/Database.h"
#include "framework/OdbcStatement.h"

namespace {

const int kColumnName = 4;
const int kColumnDefault = 13;

// Only a default that is a plain number: text, NULL and expressions are left to the insert.
std::optional<double> ParseNumber(const CString& text)
{
    if (text.IsEmpty())
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.GetString(), &end);
    return *end == '\0' ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

const double* CColumnDefaults::Find(CDatabase& database, UINT tableId, UINT columnId)
{
    const auto key = std::make_pair(tableId, columnId);
    auto found = m_columns.find(key);
    if (found == m_columns.end())
    {
        CString name = LoadSchemaText(columnId);
        name.MakeUpper();
        const NamedDefaults& table = ReadTable(database, tableId);
        const auto named = table.find(name);
        found = m_columns.emplace(key, named != table.end() ? std::optional<double>(named->second) : std::nullopt)
                    .first;
    }
    return found->second ? &*found->second : nullptr;
}

void CColumnDefaults::Clear()
{
    m_tables.clear();
    m_columns.clear();
}

const CColumnDefaults::NamedDefaults& CColumnDefaults::ReadTable(CDatabase& database, UINT tableId)
{
    const auto kept = m_tables.find(tableId);
    if (kept != m_tables.end())
        return kept->second;
    NamedDefaults& defaults = m_tables[tableId];
    try
    {
        COdbcStatement statement(database);
        statement.ListColumns(LoadSchemaText(tableId));
        CString name;
        CString text;
        while (statement.Fetch())
        {
            statement.GetText(kColumnName, name);
            const std::optional<double> value = statement.GetText(kColumnDefault, text) ? ParseNumber(text) : std::nullopt;
            name.MakeUpper();
            if (value)
                defaults[name] = *value;
        }
    }
    catch (CDBException* e)
    {
        // Without the driver's word every value is written.
        e->Delete();
        defaults.clear();
    }
    return defaults;
}
