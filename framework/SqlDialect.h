#pragma once

#include <windef.h>

#include "framework/String.h"

// The statements of Access saved queries that SQLite does not take, turned into ones it does.
// Text only: the database object runs the results (Database.cpp).
//
// A saved query with a parameter is a view without the parameter plus a stored SELECT with one
// "?" (the cookbook's QUERYTEXT table); "{call NAME(?)}" runs that SELECT.
class CSqlDialect
{
public:
    // "{call NAME(?)}" gives NAME.
    static BOOL ParseCall(const CString& sql, CString& name);
    // "DROP TABLE NAME" gives NAME (SQLite wants DROP VIEW for a view).
    static BOOL ParseDropTable(const CString& sql, CString& name);

    // "CREATE VIEW V AS SELECT [P] AS A,... WHERE (X=[P]) ... ORDER BY T.C" with one bracketed
    // parameter P: the view without the parameter (P's column X exposed, the test X=[P] made
    // true, the order dropped) and the parameter query "SELECT * FROM V WHERE A=? ORDER BY C".
    // FALSE for anything else, which then runs unchanged.
    static BOOL AdaptParameterView(const CString& sql, CString& viewName, CString& viewSql, CString& queryText);
};

// The one way text enters a statement as a literal: between single quotes, its own quotes doubled.
CString QuoteSqlText(const char* value);
