#pragma once
// Writes small FoxPro 2.x tables for the source tests: a .DBF file and, when a field is a memo,
// the .FPT file beside it. Memo cells are given as their text; the writer stores the block.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace dbftest {

struct Field
{
    std::string name;
    char type;
    int length;
    int decimals;
};

struct Row
{
    std::vector<std::string> cells;
    bool deleted = false;
};

inline void PutLittle(std::string& bytes, size_t at, uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline std::string BigEndian(uint32_t value, int count)
{
    std::string bytes(count, '\0');
    for (int i = 0; i < count; ++i)
        bytes[count - 1 - i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

class CDbfWriter
{
public:
    static const uint32_t kBlockSize = 64;

    CDbfWriter(std::vector<Field> fields) : m_fields(std::move(fields)) {}

    void Add(const std::vector<std::string>& cells, bool deleted = false) { m_rows.push_back({cells, deleted}); }

    // The table's bytes; memo texts go into memoBytes.
    std::string Build(std::string& memoBytes) const
    {
        memoBytes = std::string(512, '\0');
        const int headerLength = 32 + 32 * static_cast<int>(m_fields.size()) + 1;
        int recordLength = 1;
        for (const Field& field : m_fields)
            recordLength += field.length;
        std::string bytes(headerLength, '\0');
        bytes[0] = static_cast<char>(HasMemo() ? 0xF5 : 0x03);
        PutLittle(bytes, 4, static_cast<uint32_t>(m_rows.size()), 4);
        PutLittle(bytes, 8, headerLength, 2);
        PutLittle(bytes, 10, recordLength, 2);
        for (size_t i = 0; i < m_fields.size(); ++i)
        {
            const size_t at = 32 + 32 * i;
            bytes.replace(at, m_fields[i].name.size(), m_fields[i].name);
            bytes[at + 11] = m_fields[i].type;
            bytes[at + 16] = static_cast<char>(m_fields[i].length);
            bytes[at + 17] = static_cast<char>(m_fields[i].decimals);
        }
        bytes[headerLength - 1] = 0x0D;
        for (const Row& row : m_rows)
            bytes += Record(row, memoBytes);
        bytes += '\x1A';
        memoBytes.replace(0, 4, BigEndian(static_cast<uint32_t>(memoBytes.size() / kBlockSize), 4));
        memoBytes.replace(6, 2, BigEndian(kBlockSize, 2));
        return bytes;
    }

    void Write(const std::string& tablePath, const std::string& memoPath) const
    {
        std::string memo;
        std::ofstream(tablePath, std::ios::binary) << Build(memo);
        if (HasMemo())
            std::ofstream(memoPath, std::ios::binary) << memo;
    }

private:
    bool HasMemo() const
    {
        for (const Field& field : m_fields)
            if (field.type == 'M')
                return true;
        return false;
    }

    std::string Record(const Row& row, std::string& memoBytes) const
    {
        std::string record(1, row.deleted ? '*' : ' ');
        for (size_t i = 0; i < m_fields.size(); ++i)
        {
            std::string cell = i < row.cells.size() ? row.cells[i] : std::string();
            if (m_fields[i].type == 'M')
                cell = cell.empty() ? std::string() : std::to_string(AppendMemo(cell, memoBytes));
            const bool rightAligned = m_fields[i].type == 'N' || m_fields[i].type == 'F' || m_fields[i].type == 'M';
            const std::string pad(m_fields[i].length - cell.size(), ' ');
            record += rightAligned ? pad + cell : cell + pad;
        }
        return record;
    }

    static uint32_t AppendMemo(const std::string& text, std::string& memoBytes)
    {
        const uint32_t block = static_cast<uint32_t>(memoBytes.size() / kBlockSize);
        std::string entry = BigEndian(1, 4) + BigEndian(static_cast<uint32_t>(text.size()), 4) + text;
        entry.resize((entry.size() + kBlockSize - 1) / kBlockSize * kBlockSize, '\0');
        memoBytes += entry;
        return block;
    }

    std::vector<Field> m_fields;
    std::vector<Row> m_rows;
};

}  // namespace dbftest
