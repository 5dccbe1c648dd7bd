#pragma once

#include <windef.h>

#include "framework/Database.h"
#include "framework/ObArray.h"
#include "framework/String.h"
#include "framework/StringList.h"

// A connection to a database that is not a cookbook (an import source or the import
// configuration): opened at construction, it finds the installed ODBC driver that serves the
// source and owns the recordsets opened on it.
class CConfigDB : public CDatabase
{
public:
    CConfigDB();
    explicit CConfigDB(LPCSTR dataSourceName);
    // Deletes every recordset of m_openRecordsets.
    ~CConfigDB() override;

    // TRUE when the source opened; the failure text is shown unless the driver gave none.
    virtual BOOL OpenSource(LPCSTR dataSourceName);
    virtual BOOL IsReady() { return TRUE; }
    // 24835 picks the Access-style driver, 24836 FoxPro; any other id changes nothing (FALSE).
    virtual BOOL SelectDriver(UINT driverStringId);
    virtual CStringList& GetTextList() { return m_textList; }
    virtual BOOL IsIdle() { return TRUE; }

    CObArray m_openRecordsets;
    CStringList m_textList;
    BOOL m_bOpened;
    CString m_strSourceDriver;
    CString m_strSelectedDriver;
};
