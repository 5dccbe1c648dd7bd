#pragma once

#include <windef.h>

class CRecordId;
class CString;

// Pieces of SQL text from the schema names of the string table. User text goes through
// EscapeSqlQuotes before it stands between quotes.

// Doubles every single quote, so that the text can stand inside '...' exactly as typed.
void EscapeSqlQuotes(CString& text);
// "T.A, T.B, ..." for the column ids (the list ends with 0); empty when a name is missing.
void BuildQualifiedColumnList(CString& out, UINT nTableId, const UINT* pColumnIds);
// "T1.C1=T2.C2"; empty when a name is missing.
void BuildJoinCondition(CString& out, UINT nTableA, UINT nColumnA, UINT nTableB, UINT nColumnB);
// "T.C='value'" with the value's quotes doubled; empty for an empty value or a missing name.
void BuildColumnCondition(CString& out, UINT nTableId, UINT nColumnId, LPCSTR lpszValue);
void BuildIdCondition(CString& out, UINT nTableId, UINT nColumnId, const CRecordId& id);

// A schema name or SQL fragment of the string table.
CString LoadSchemaText(UINT nId);
// The text between single quotes, its own quotes doubled.
CString QuoteSqlText(const char* value);
