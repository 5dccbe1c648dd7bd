#pragma once

#include "exchange/DbfSource.h"
#include "exchange/SourceFileKind.h"
#include "framework/Database.h"

class CSourceTable;

// The file of another cookbook program that an import reads: an SQLite or Access file through
// its ODBC driver (Access texts turned from UTF-8 into the code page), or the folder of a dBase
// or FoxPro table through the program's own reader. Tables are read whole into memory (the
// Access driver filters and sorts wrongly) and nothing is ever written to the source.
class CImportSource
{
public:
    // FALSE when the file's first bytes name no kind that this program reads.
    BOOL Open(const CString& path);
    BOOL IsOpen() const { return m_kind != CSourceFileKind::kRefused; }
    // FALSE, with the table emptied, when the source has no such table.
    BOOL OpenTable(const CString& name, CSourceTable& table);

private:
    // Refuses the source, with a message naming the driver, when it is not installed.
    void OpenDatabase(const CString& path);

    CSourceFileKind::Kind m_kind = CSourceFileKind::kRefused;
    CDbfSource m_dbfSource;
    CDatabase m_database;
};
