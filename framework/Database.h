#pragma once

#include <windef.h>

#include <map>
#include <string>

#include "framework/Object.h"
#include "framework/String.h"

// One ODBC connection to a cookbook (an SQLite file through the "SQLite3" driver) or to another
// driver's file, which it is given by DBQ= (an Access file through MDBTools). Opened on a
// data source registered with COdbcDataSources or on a connect string naming DRIVER= and DBQ=;
// GetConnect then reads "ODBC;DSN=<name>;DBQ=<windows path>;DRIVER={<driver>};" (a value holding
// ";" or braces is braced, so that it stays whole). A lock another connection holds is waited for a few
// seconds; then the statement fails with an error IsBusy recognises.
// Statements pass through the saved-query rewriting of CSqlDialect.
class CDatabase : public CObject
{
    DECLARE_DYNAMIC(CDatabase)
public:
    CDatabase();
    ~CDatabase() override;
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Raises CDBException when the connection cannot be made: an unregistered name, an empty or
    // unreachable path (refused here, as the driver would make a junk file for it), a missing
    // file, or the driver's own error.
    virtual BOOL Open(LPCSTR lpszDSN, BOOL bExclusive = FALSE, BOOL bReadOnly = FALSE, LPCSTR lpszConnect = "ODBC;",
                      BOOL bUseCursorLib = TRUE);
    virtual void Close();
    virtual void OnSetOptions(void* hstmt);
    // Called while a call reports SQL_STILL_EXECUTING (TRUE) and after the last try (FALSE).
    virtual void OnWaitForDataSource(BOOL bStillExecuting);

    BOOL IsOpen() const { return m_hdbc != nullptr; }
    BOOL CanUpdate() const { return m_bUpdatable; }
    const CString& GetConnect() const { return m_strConnect; }
    // The value of KEY= in a connect string, its braces undone; empty when absent.
    static CString GetConnectAttribute(const CString& connect, LPCSTR key);
    // A value as a connect string takes it: braced when it holds ";", braces or outer blanks.
    static CString BraceConnectValue(const CString& value);

    // Runs a statement; Access DDL is adapted first (see CSqlDialect). Raises CDBException.
    void ExecuteSQL(LPCSTR lpszSql);
    // The text the driver should run for a statement: "{call NAME(?)}" becomes the stored SELECT.
    CString AdaptSql(const CString& sql);

    // A new statement handle of this connection (raises CDBException); the caller frees it.
    void* AllocStatement();
    // Raises CDBException while the connection is closed or a failed transaction start refuses
    // statements.
    void CheckStatementsAllowed() const;

    // Transactions nest: only the outermost level ends the driver's transaction, and it rolls
    // back when any inner level did. Raise CDBException. A level whose beginning failed is
    // still a level (end it as any other) but no statement runs until it ends.
    BOOL CanTransact() const { return IsOpen(); }
    void BeginTrans();
    // FALSE when the work was rolled back instead (an inner level failed, or the commit did).
    BOOL CommitTrans();
    void Rollback();

    // Repeats an ODBC call while it reports SQL_STILL_EXECUTING.
    template <typename Call>
    short CallWhileExecuting(Call call)
    {
        short rc;
        while ((rc = static_cast<short>(call())) == kStillExecuting)
            OnWaitForDataSource(TRUE);
        OnWaitForDataSource(FALSE);
        return rc;
    }

    void* m_hdbc;
    BOOL m_bUpdatable;
    CString m_strConnect;

protected:
    // The driver call that turns autocommit on or off: its ODBC return code.
    virtual short SetAutoCommit(BOOL bOn);

private:
    void EndTransaction(BOOL bCommit);

    enum : short
    {
        kStillExecuting = 2
    };

    void Connect(const CString& driver, const CString& path, const CString& dataSource, BOOL bReadOnly);
    void ExecuteDirect(const CString& sql);
    CString LookupQueryText(const CString& name);
    BOOL IsView(const CString& name);

    std::map<std::string, std::string> m_queryTexts;
    int m_nTransactionDepth = 0;
    BOOL m_bTransactionFailed = FALSE;
    BOOL m_bBeginFailed = FALSE;
};
