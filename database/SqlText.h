#pragma once

#include <windef.h>

#include "framework/SqlDialect.h"

class CRecordId;
class CString;
class CStringList;

// Pieces of SQL text from the schema names of the string table. User text and ids stand in a
// statement only through QuoteSqlText.

// "T.A, T.B, ..." for the column ids (the list ends with 0); empty when a name is missing.
void BuildQualifiedColumnList(CString& out, UINT nTableId, const UINT* pColumnIds);
// "T1.C1=T2.C2"; empty when a name is missing.
void BuildJoinCondition(CString& out, UINT nTableA, UINT nColumnA, UINT nTableB, UINT nColumnB);
// "T.C='value'" with the value's quotes doubled; empty for an empty value or a missing name.
void BuildColumnCondition(CString& out, UINT nTableId, UINT nColumnId, LPCSTR lpszValue);
void BuildIdCondition(CString& out, UINT nTableId, UINT nColumnId, const CRecordId& id);
// "SELECT columns FROM table [WHERE condition] [ORDER BY order]"; every column (*) for no list,
// empty for no table.
CString BuildSelectStatement(const CString& table, const CStringList* columns, LPCSTR condition, LPCSTR order);

// A schema name or SQL fragment of the string table.
const CString& LoadSchemaText(UINT nId);
