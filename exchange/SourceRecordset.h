#pragma once

#include <vector>

#include "exchange/SourceTable.h"

// A source table as the import engine reads it: its fields are numbered by the configuration
// (the field's position), and each position is bound to one of the table's columns or to none.
// Every read goes by position, so a configured column that the source lacks reads as an empty
// text (0 as a number) and never moves a later field into its place.
class CSourceRecordset : public CSourceTable
{
public:
    explicit CSourceRecordset(const CString& tableName) : m_tableName(tableName) {}

    const CString& GetTableName() const { return m_tableName; }

    // Forgets every binding and marking.
    void ClearBindings();
    // Binds the next position to the column of that exact name; FALSE (the position bound to
    // nothing) when the table has no such column.
    BOOL BindNextPosition(const CString& column, BOOL encrypted, BOOL indexed);
    int GetPositionCount() const { return static_cast<int>(m_positions.size()); }
    int GetBoundCount() const { return static_cast<int>(m_bound.size()); }
    BOOL IsPositionBound(int position) const { return ColumnAtPosition(position) >= 0; }
    BOOL IsColumnIndexed(int column) const;
    // The column's name; empty when the position is bound to nothing.
    CString GetPositionColumn(int position) const;
    // The k-th of the bound columns, in position order; empty past the last.
    CString GetBoundColumn(int k) const;

    // Texts of encrypted columns are stored translated by the FoxPro programs.
    void SetTranslateEncrypted(BOOL translate) { m_translateEncrypted = translate; }
    void ReadPosition(int position, CFieldValue& value) const;

private:
    int ColumnAtPosition(int position) const;
    void ReadColumn(int column, CFieldValue& value) const;

    CString m_tableName;
    // Position to column number, -1 for none.
    std::vector<int> m_positions;
    // Column numbers of the bound positions, in position order.
    std::vector<int> m_bound;
    std::vector<int> m_encrypted;
    std::vector<int> m_indexed;
    BOOL m_translateEncrypted = FALSE;
};
