#pragma once

#include <map>
#include <vector>

#include "database/FieldValue.h"
#include "framework/String.h"

class CDbfTable;
class CPortRecordset;
class CStringList;

// One table of an import source held in memory, read-only. Filters of the form
// column = value, column <> value, joined by AND, with a quoted text, a number or "?" for the
// next parameter, are evaluated here rather than by a driver: the drivers that reach the older
// sources do not evaluate them reliably, and nothing may be created inside a source file. Where
// both sides read as numbers they compare as numbers, so that the source id 101 finds the
// record id "000101".
class CSourceTable
{
public:
    // The table's rows with all its columns, or with those of the list that it has.
    void Load(const CDbfTable& table, const CStringList* columns = nullptr);
    // Every row of an open recordset, read once: the recordset is stepped to its end. Texts of
    // a driver that hands them over as UTF-8 are turned into the program's code page.
    void Load(CPortRecordset& recordset, BOOL textIsUtf8 = FALSE);

    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    const CFieldValue& GetColumn(int index) const { return m_columns[index]; }
    // Case ignored; -1 when the table has no such column.
    int FindColumn(const CString& name) const;

    // FALSE, with the filter left unchanged, when the text is not of the form above.
    BOOL SetFilter(const CString& filter);
    // The parameters, in the order of the filter's "?" marks.
    void SetParameters(const std::vector<CString>& parameters) { m_parameters = parameters; }
    // A lookup of the column's values that an equality on it uses from then on.
    void CreateIndex(const CString& column);
    void DropIndexes() { m_indexes.clear(); }

    // Moves to the first row that meets the filter.
    void Requery();
    void MoveNext();
    BOOL IsEOF() const { return m_current >= m_matches.size(); }
    int GetMatchCount() const { return static_cast<int>(m_matches.size()); }
    // The current row's value; a column the table lacks reads as an empty text.
    void GetValue(const CString& column, CFieldValue& value) const;

private:
    struct Condition
    {
        int column;
        bool equal;
        bool parameter;
        CString literal;
    };

    void Reset();
    static BOOL ParseCondition(CString text, const CSourceTable& table, Condition& condition);
    const CString& ValueOf(const Condition& condition, size_t& nextParameter) const;
    BOOL RowMeets(size_t row) const;
    std::vector<size_t> CandidateRows() const;
    static CString KeyOf(const CFieldValue& value);
    static CString KeyOf(const CString& text);

    std::vector<CFieldValue> m_columns;
    std::vector<std::vector<CFieldValue>> m_rows;
    std::vector<Condition> m_conditions;
    std::vector<CString> m_parameters;
    // Column number to the rows of each key.
    std::map<int, std::multimap<CString, size_t>> m_indexes;
    std::vector<size_t> m_matches;
    size_t m_current = 0;
};
