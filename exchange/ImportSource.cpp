#include "exchange/ImportSource.h"

#include "database/OdbcSetup.h"
#include "database/PortRecordset.h"
#include "database/SqlText.h"
#include "exchange/SourceTable.h"
#include "framework/DBException.h"

namespace {

const char kSqliteDriver[] = "SQLite3";

}  // namespace

BOOL CImportSource::Open(const CString& path)
{
    m_database.Close();
    m_kind = CSourceFileKind::Detect(path);
    if (m_kind == CSourceFileKind::kDbf && !m_dbfSource.Open(path))
        m_kind = CSourceFileKind::kRefused;
    if (m_kind != CSourceFileKind::kSqlite)
    {
        // Jet files need a driver that reads them by path, which the connection layer lacks.
        if (m_kind == CSourceFileKind::kJet)
            m_kind = CSourceFileKind::kRefused;
        return IsOpen();
    }
    const CString driver = IsOdbcDriverInstalled(kSqliteDriver);
    try
    {
        m_database.Open(nullptr, FALSE, TRUE, "ODBC;DRIVER={" + driver + "};DBQ={" + path + "};");
    }
    catch (CDBException* e)
    {
        e->Delete();
        m_kind = CSourceFileKind::kRefused;
    }
    return IsOpen();
}

BOOL CImportSource::OpenTable(const CString& name, CSourceTable& table)
{
    if (m_kind == CSourceFileKind::kDbf)
        return m_dbfSource.OpenTable(name, table);
    CPortRecordset recordset(nullptr, &m_database);
    const BOOL opened =
        IsOpen() && recordset.OpenTable(name, BuildSelectStatement(name, nullptr, nullptr, nullptr), nullptr);
    if (opened)
        table.Load(recordset);
    else
        table = CSourceTable();
    return opened;
}
