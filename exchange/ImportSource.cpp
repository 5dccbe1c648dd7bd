#include "exchange/ImportSource.h"

#include <windows.h>

#include "database/OdbcSetup.h"
#include "database/PortRecordset.h"
#include "database/SqlText.h"
#include "exchange/SourceTable.h"
#include "framework/AfxMessageBox.h"
#include "framework/DBException.h"
#include "res/resource.h"

namespace {

const char kSqliteDriver[] = "SQLite3";
const char kJetDriver[] = "MDBTools";

}  // namespace

BOOL CImportSource::Open(const CString& path)
{
    m_database.Close();
    m_kind = CSourceFileKind::Detect(path);
    if (m_kind == CSourceFileKind::kDbf && !m_dbfSource.Open(path))
        m_kind = CSourceFileKind::kRefused;
    if (m_kind == CSourceFileKind::kSqlite || m_kind == CSourceFileKind::kJet)
        OpenDatabase(path);
    return IsOpen();
}

void CImportSource::OpenDatabase(const CString& path)
{
    const char* name = m_kind == CSourceFileKind::kJet ? kJetDriver : kSqliteDriver;
    const CString driver = IsOdbcDriverInstalled(name);
    if (driver.IsEmpty())
    {
        CString text;
        text.LoadString(IDS_SOURCE_DRIVER_MISSING);
        AfxMessageBox(text + name, MB_ICONSTOP | MB_OK);
        m_kind = CSourceFileKind::kRefused;
        return;
    }
    try
    {
        m_database.Open(nullptr, FALSE, TRUE, "ODBC;DRIVER={" + driver + "};DBQ={" + path + "};");
    }
    catch (CDBException* e)
    {
        e->Delete();
        m_kind = CSourceFileKind::kRefused;
    }
}

BOOL CImportSource::OpenTable(const CString& name, CSourceTable& table)
{
    if (m_kind == CSourceFileKind::kDbf)
        return m_dbfSource.OpenTable(name, table);
    CPortRecordset recordset(nullptr, &m_database);
    const BOOL opened =
        IsOpen() && recordset.OpenTable(name, BuildSelectStatement(name, nullptr, nullptr, nullptr), nullptr);
    if (opened)
        table.Load(recordset, m_kind == CSourceFileKind::kJet);
    else
        table = CSourceTable();
    return opened;
}
