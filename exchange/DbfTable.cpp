#include "exchange/DbfTable.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "database/FieldValue.h"

namespace {

const size_t kHeaderSize = 32;
const size_t kDescriptorSize = 32;
const size_t kMemoHeaderSize = 512;
const char kHeaderEnd = 0x0D;
const char kDeletedRow = '*';

BOOL ReadWholeFile(const CString& path, std::vector<char>& bytes)
{
    std::ifstream file(path.GetString(), std::ios::binary);
    if (!file)
        return FALSE;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return TRUE;
}

unsigned long LittleEndian(const std::vector<char>& bytes, size_t at, int count)
{
    unsigned long value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

unsigned long BigEndian(const std::vector<char>& bytes, size_t at, int count)
{
    unsigned long value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

CString MemoPathOf(const CString& tablePath)
{
    const int dot = tablePath.ReverseFind('.');
    const int slash = tablePath.ReverseFind('\\');
    return (dot > slash ? tablePath.Left(dot) : tablePath) + ".FPT";
}

}  // namespace

BOOL CDbfTable::Open(const CString& path)
{
    Close();
    if (!ReadWholeFile(path, m_table) || !ParseHeader())
    {
        Close();
        return FALSE;
    }
    for (const Field& field : m_fields)
        if (field.type == 'M')
        {
            // A missing memo file leaves every memo empty, as a damaged pointer does.
            if (!ReadWholeFile(MemoPathOf(path), m_memo))
                m_memo.clear();
            break;
        }
    return TRUE;
}

void CDbfTable::Close()
{
    m_table.clear();
    m_memo.clear();
    m_fields.clear();
    m_rows.clear();
}

BOOL CDbfTable::IsTableSignature(unsigned char firstByte)
{
    // dBase III without and with memo, FoxPro 2.x with memo.
    return firstByte == 0x03 || firstByte == 0x83 || firstByte == 0xF5;
}

BOOL CDbfTable::ParseHeader()
{
    if (m_table.size() < kHeaderSize + 1 || !IsTableSignature(static_cast<unsigned char>(m_table[0])))
        return FALSE;
    const unsigned long recordCount = LittleEndian(m_table, 4, 4);
    const int headerLength = static_cast<int>(LittleEndian(m_table, 8, 2));
    const int recordLength = static_cast<int>(LittleEndian(m_table, 10, 2));
    if (static_cast<size_t>(headerLength) > m_table.size() || recordLength < 1 ||
        !ParseFields(headerLength, recordLength))
        return FALSE;
    // The count is checked against the bytes really there before any row is taken.
    const size_t available = (m_table.size() - headerLength) / recordLength;
    if (recordCount > available)
        return FALSE;
    CollectRows(static_cast<long>(recordCount), headerLength, recordLength);
    return TRUE;
}

BOOL CDbfTable::ParseFields(int headerLength, int recordLength)
{
    int offset = 1;
    size_t at = kHeaderSize;
    for (; at + kDescriptorSize <= static_cast<size_t>(headerLength) && m_table[at] != kHeaderEnd;
         at += kDescriptorSize)
    {
        Field field;
        field.name = CString(&m_table[at], static_cast<int>(strnlen(&m_table[at], 11)));
        field.type = m_table[at + 11];
        field.length = static_cast<unsigned char>(m_table[at + 16]);
        field.decimals = static_cast<unsigned char>(m_table[at + 17]);
        field.offset = offset;
        offset += field.length;
        m_fields.push_back(field);
    }
    const BOOL terminated = at < static_cast<size_t>(headerLength) && m_table[at] == kHeaderEnd;
    return terminated && !m_fields.empty() && offset <= recordLength;
}

void CDbfTable::CollectRows(long recordCount, int headerLength, int recordLength)
{
    for (long i = 0; i < recordCount; ++i)
    {
        const size_t start = headerLength + static_cast<size_t>(i) * recordLength;
        if (m_table[start] != kDeletedRow)
            m_rows.push_back(start);
    }
}

int CDbfTable::FindField(const CString& name) const
{
    for (int i = 0; i < GetFieldCount(); ++i)
        if (m_fields[i].name.CompareNoCase(name) == 0)
            return i;
    return -1;
}

short CDbfTable::SqlTypeOf(const Field& field)
{
    switch (field.type)
    {
    case 'N': return CFieldValue::typeNumeric;
    case 'F': return CFieldValue::typeDouble;
    case 'L': return CFieldValue::typeBit;
    case 'M': return CFieldValue::typeLongVarChar;
    default: return CFieldValue::typeChar;
    }
}

CString CDbfTable::FieldText(int row, const Field& field) const
{
    CString text(m_table.data() + m_rows[row] + field.offset, field.length);
    text.TrimRight();
    if (field.type == 'N' || field.type == 'F')
        text.TrimLeft();
    return text;
}

CString CDbfTable::MemoText(const CString& blockText) const
{
    const unsigned long block = strtoul(blockText, nullptr, 10);
    if (block == 0 || m_memo.size() < kMemoHeaderSize)
        return CString();
    const unsigned long blockSize = BigEndian(m_memo, 6, 2);
    // Each step is checked against the memo file's size, so no pointer reads past its end.
    if (blockSize == 0 || block > (m_memo.size() - 8) / blockSize)
        return CString();
    const size_t start = static_cast<size_t>(block) * blockSize;
    const unsigned long length = BigEndian(m_memo, start + 4, 4);
    if (length > m_memo.size() - start - 8)
        return CString();
    return CString(m_memo.data() + start + 8, static_cast<int>(length));
}

void CDbfTable::ReadValue(int row, int field, CFieldValue& value) const
{
    const Field& column = m_fields[field];
    value.m_strName = column.name;
    value.m_nSqlType = SqlTypeOf(column);
    const CString text = FieldText(row, column);
    switch (column.type)
    {
    case 'F': value.SetDouble(atof(text)); break;
    case 'L': value.SetLong(text == "T" || text == "t" || text == "Y" || text == "y"); break;
    case 'M': value.SetText(MemoText(text)); break;
    default: value.SetText(text); break;
    }
}
