#pragma once

#include "exchange/DbfSource.h"
#include "exchange/SourceFileKind.h"
#include "framework/Database.h"

class CSourceTable;

// The file of another cookbook program that an import reads: an SQLite file through its ODBC
// driver, or the folder of a dBase or FoxPro table through the program's own reader. Tables
// are read whole into memory and nothing is ever written to the source.
class CImportSource
{
public:
    // FALSE when the file's first bytes name no kind that this program reads.
    BOOL Open(const CString& path);
    BOOL IsOpen() const { return m_kind != CSourceFileKind::kRefused; }
    // FALSE, with the table emptied, when the source has no such table.
    BOOL OpenTable(const CString& name, CSourceTable& table);

private:
    CSourceFileKind::Kind m_kind = CSourceFileKind::kRefused;
    CDbfSource m_dbfSource;
    CDatabase m_database;
};
