#pragma once

#include <vector>

#include "framework/String.h"

class CFieldValue;

// One table of a FoxPro 2.x or dBase III source: the .DBF file and, for memo fields, the .FPT
// file beside it, read whole into memory and never written. Deleted rows are left out. A header
// that does not describe the file refuses the table; a memo pointer outside the memo file reads
// as an empty text.
class CDbfTable
{
public:
    struct Field
    {
        CString name;
        char type;
        int length;
        int decimals;
        int offset;
    };

    // FALSE, with the table left empty, when the file cannot be read or its header is damaged.
    BOOL Open(const CString& path);
    void Close();

    int GetFieldCount() const { return static_cast<int>(m_fields.size()); }
    const Field& GetField(int index) const { return m_fields[index]; }
    // Case ignored; -1 when the table has no such field.
    int FindField(const CString& name) const;
    // The SQL type a column of this field is described with.
    static short SqlTypeOf(const Field& field);

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    // Texts lose their trailing blanks; dates read "YYYYMMDD"; logicals are bits.
    void ReadValue(int row, int field, CFieldValue& value) const;

    // The first byte of a table file this reader takes.
    static BOOL IsTableSignature(unsigned char firstByte);

private:
    BOOL ParseHeader();
    BOOL ParseFields(int headerLength, int recordLength);
    void CollectRows(long recordCount, int headerLength, int recordLength);
    CString FieldText(int row, const Field& field) const;
    CString MemoText(const CString& blockText) const;

    std::vector<char> m_table;
    std::vector<char> m_memo;
    std::vector<Field> m_fields;
    // Where each live row starts in m_table, after its deletion flag.
    std::vector<size_t> m_rows;
};
