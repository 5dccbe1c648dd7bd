#pragma once

#include <windef.h>

#include <map>
#include <optional>
#include <utility>

#include "framework/String.h"

class CDatabase;

// The numbers a connection's tables declare as their columns' defaults, asked of the driver
// once a table and kept until the connection closes. A column left out of an insert takes its
// default, so a value equal to it need not be written.
class CColumnDefaults
{
public:
    // Null when the column declares no number as its default, or the driver cannot tell.
    const double* Find(CDatabase& database, UINT tableId, UINT columnId);
    void Clear();

private:
    using NamedDefaults = std::map<CString, double>;
    const NamedDefaults& ReadTable(CDatabase& database, UINT tableId);

    // By table id, then by upper-case column name.
    std::map<UINT, NamedDefaults> m_tables;
    std::map<std::pair<UINT, UINT>, std::optional<double>> m_columns;
};
