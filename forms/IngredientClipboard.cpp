#include "forms/IngredientClipboard.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "database/IngData.h"
#include "database/RecipeData.h"
#include "forms/IngredientListText.h"
#include "framework/ListBox.h"
#include "shell/graphics/GlobalLock.h"
#include "shell/services/IngredientClipboardFormat.h"

namespace {

// One line in the private format; other programs may write it, so its layout is fixed.
struct IngredientRecord
{
    int32_t lineNumber;
    int32_t itemId;
    char name[70];
    char plural[5];
    char preparation[73];
    int32_t seasoning;
    char lineType[8];
    double quantities[6];
    int32_t brandId;
    char brandText[72];
    int32_t groupId;
    char groupName[72];
    int32_t basicItemId;
    char basicItemName[72];
    int32_t unitId;
    char unitText[72];
    int32_t unitType;
    int32_t unused;
    double unitFactors[2];
    int32_t unitSystem;
    int32_t recordCount;
};

static_assert(sizeof(IngredientRecord) == 552, "a record is 552 bytes");
static_assert(offsetof(IngredientRecord, seasoning) == 156, "fields sit where other programs put them");
static_assert(offsetof(IngredientRecord, quantities) == 168, "fields sit where other programs put them");
static_assert(offsetof(IngredientRecord, unitText) == 448, "fields sit where other programs put them");
static_assert(offsetof(IngredientRecord, unitFactors) == 528, "fields sit where other programs put them");
static_assert(offsetof(IngredientRecord, recordCount) == 548, "fields sit where other programs put them");

template <std::size_t N>
void PutText(char (&field)[N], const CString& text)
{
    const std::size_t cch = std::min<std::size_t>(static_cast<std::size_t>(text.GetLength()), N - 1);
    std::memcpy(field, static_cast<LPCSTR>(text), cch);
    field[cch] = '\0';
}

// The text ends inside its field whether or not the writer put a NUL there.
template <std::size_t N>
CString TakeText(const char (&field)[N])
{
    return CString(field, static_cast<int>(strnlen(field, N)));
}

void FillRecord(const CIngData& line, int32_t count, IngredientRecord& record)
{
    record.lineNumber = 0;
    record.itemId = line.m_itemId.GetNumber();
    PutText(record.name, line.m_name);
    PutText(record.plural, line.m_plural);
    PutText(record.preparation, line.m_preparation);
    record.seasoning = line.m_seasoning;
    PutText(record.lineType, line.m_lineType);
    const double quantities[6] = {line.m_maxQty, line.m_minQty, line.m_fractional,
                                  line.m_liquid, line.m_dry,    line.m_unitValue};
    std::memcpy(record.quantities, quantities, sizeof quantities);
    record.brandId = line.m_brandId.GetNumber();
    PutText(record.brandText, line.m_brandText);
    record.groupId = line.m_groupId.GetNumber();
    PutText(record.groupName, line.m_groupName);
    record.basicItemId = line.m_basicItemId.GetNumber();
    PutText(record.basicItemName, line.m_basicItemName);
    record.unitId = line.m_unitId.GetNumber();
    PutText(record.unitText, line.m_unitText);
    record.unitType = line.m_unitType;
    record.unitFactors[0] = line.m_unitFactor1;
    record.unitFactors[1] = line.m_unitFactor2;
    record.unitSystem = line.m_unitSystem;
    record.recordCount = count;
}

CIngData* LineFromRecord(const IngredientRecord& record)
{
    auto* pLine = new CIngData;
    pLine->m_lineNumber = record.lineNumber;
    pLine->m_itemId = static_cast<unsigned long>(record.itemId);
    pLine->m_name = TakeText(record.name);
    pLine->m_plural = TakeText(record.plural);
    pLine->m_preparation = TakeText(record.preparation);
    pLine->m_seasoning = record.seasoning;
    pLine->m_lineType = TakeText(record.lineType);
    pLine->m_maxQty = record.quantities[0];
    pLine->m_minQty = record.quantities[1];
    pLine->m_fractional = record.quantities[2];
    pLine->m_liquid = record.quantities[3];
    pLine->m_dry = record.quantities[4];
    pLine->m_unitValue = record.quantities[5];
    pLine->m_brandId = static_cast<unsigned long>(record.brandId);
    pLine->m_brandText = TakeText(record.brandText);
    pLine->m_groupId = static_cast<unsigned long>(record.groupId);
    pLine->m_groupName = TakeText(record.groupName);
    pLine->m_basicItemId = static_cast<unsigned long>(record.basicItemId);
    pLine->m_basicItemName = TakeText(record.basicItemName);
    pLine->m_unitId = static_cast<unsigned long>(record.unitId);
    pLine->m_unitText = TakeText(record.unitText);
    pLine->m_unitType = record.unitType;
    pLine->m_unitFactor1 = record.unitFactors[0];
    pLine->m_unitFactor2 = record.unitFactors[1];
    pLine->m_unitSystem = record.unitSystem;
    return pLine;
}

// The records a block really holds: its count must be there and agree with its size.
std::size_t ValidRecordCount(const unsigned char* pBlock, std::size_t cbBlock)
{
    const std::size_t held = cbBlock / sizeof(IngredientRecord);
    if (held == 0)
        return 0;
    int32_t count = 0;
    std::memcpy(&count, pBlock + offsetof(IngredientRecord, recordCount), sizeof count);
    return count > 0 && static_cast<std::size_t>(count) == held ? held : 0;
}

class COpenClipboard
{
public:
    explicit COpenClipboard(const CListBox& list) : m_bOpen(::OpenClipboard(OwnerOf(list)) != FALSE) {}
    ~COpenClipboard()
    {
        if (m_bOpen)
            ::CloseClipboard();
    }
    COpenClipboard(const COpenClipboard&) = delete;
    COpenClipboard& operator=(const COpenClipboard&) = delete;
    bool IsOpen() const { return m_bOpen; }

private:
    // The program's main window owns what it puts there.
    static HWND OwnerOf(const CListBox& list) { return ::GetAncestor(list.m_hWnd, GA_ROOT); }

    bool m_bOpen;
};

// A block is ours to free until the clipboard takes it.
class COwnedBlock
{
public:
    explicit COwnedBlock(HGLOBAL hBlock) : m_hBlock(hBlock) {}
    ~COwnedBlock()
    {
        if (m_hBlock)
            ::GlobalFree(m_hBlock);
    }
    COwnedBlock(const COwnedBlock&) = delete;
    COwnedBlock& operator=(const COwnedBlock&) = delete;
    HGLOBAL Get() const { return m_hBlock; }
    HGLOBAL Release()
    {
        HGLOBAL hBlock = m_hBlock;
        m_hBlock = nullptr;
        return hBlock;
    }

private:
    HGLOBAL m_hBlock;
};

HGLOBAL CopyToBlock(const void* pData, std::size_t cb)
{
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb);
    if (!hBlock)
        return nullptr;
    CGlobalLock lock(hBlock);
    if (!lock.Get())
    {
        ::GlobalFree(hBlock);
        return nullptr;
    }
    std::memcpy(lock.Get(), pData, cb);
    return hBlock;
}

}  // namespace

CIngredientClipboard::CIngredientClipboard(CListBox& list, CRecipeData& recipe)
    : m_list(list), m_recipe(recipe), m_selectedCount(0)
{
}

int CIngredientClipboard::Copy()
{
    m_selectedCount = m_list.GetSelCount();
    if (m_selectedCount <= 0)
        return 1;
    COpenClipboard clipboard(m_list);
    if (!clipboard.IsOpen())
        return 0;
    COwnedBlock text(BuildTextBlock());
    if (!text.Get())
        return 0;
    COwnedBlock records(BuildRecordBlock());
    if (!records.Get())
        return 0;
    ::EmptyClipboard();
    if (!::SetClipboardData(CF_TEXT, text.Get()))
        return 0;
    text.Release();
    if (!::SetClipboardData(GetIngredientClipboardFormat(), records.Get()))
        return 0;
    records.Release();
    return 1;
}

int CIngredientClipboard::Cut()
{
    if (!Copy())
        return 0;
    int removed = 0;
    for (int index = m_list.GetCount() - 1; index >= 0; --index)
    {
        if (m_list.GetSel(index) <= 0)
            continue;
        POSITION at = m_recipe.m_lines.FindIndex(index);
        if (at != nullptr)
        {
            delete m_recipe.m_lines.GetAt(at);
            m_recipe.m_lines.RemoveAt(at);
        }
        m_list.DeleteString(static_cast<UINT>(index));
        ++removed;
    }
    return removed;
}

int CIngredientClipboard::Paste()
{
    COpenClipboard clipboard(m_list);
    if (!clipboard.IsOpen())
        return 0;
    HANDLE hBlock = ::GetClipboardData(GetIngredientClipboardFormat());
    if (!hBlock)
        return 0;
    CGlobalLock lock(hBlock);
    if (!lock.Get())
        return 0;
    return InsertRecords(lock.Get(), ::GlobalSize(hBlock));
}

void* CIngredientClipboard::BuildTextBlock() const
{
    CString text;
    for (int index = 0; index < m_list.GetCount(); ++index)
    {
        if (m_list.GetSel(index) <= 0)
            continue;
        CString line;
        m_list.GetText(index, line);
        text += line + "\r\n";
    }
    return CopyToBlock(static_cast<LPCSTR>(text), static_cast<std::size_t>(text.GetLength()) + 1);
}

void* CIngredientClipboard::BuildRecordBlock() const
{
    std::vector<IngredientRecord> records(static_cast<std::size_t>(m_selectedCount), IngredientRecord{});
    std::size_t filled = 0;
    int index = 0;
    for (POSITION at = m_recipe.m_lines.GetHeadPosition(); at != nullptr && filled < records.size(); ++index)
    {
        const auto* pLine = static_cast<const CIngData*>(m_recipe.m_lines.GetNext(at));
        if (m_list.GetSel(index) > 0)
            FillRecord(*pLine, m_selectedCount, records[filled++]);
    }
    return CopyToBlock(records.data(), records.size() * sizeof(IngredientRecord));
}

int CIngredientClipboard::InsertRecords(const unsigned char* pBlock, std::size_t cbBlock)
{
    const std::size_t count = ValidRecordCount(pBlock, cbBlock);
    int at = -1;
    if (m_list.GetSelCount() > 0)
        m_list.GetSelItems(1, &at);
    for (std::size_t i = 0; i < count; ++i)
    {
        IngredientRecord record;
        std::memcpy(&record, pBlock + i * sizeof record, sizeof record);
        InsertLine(LineFromRecord(record), at);
    }
    return static_cast<int>(count);
}

// The next record goes after this one: the selection moves on with the line pasted before.
void CIngredientClipboard::InsertLine(CIngData* pLine, int& at)
{
    const CString text = IngredientListText(*pLine, m_recipe.m_servings);
    POSITION before = at >= 0 ? m_recipe.m_lines.FindIndex(at) : nullptr;
    if (before == nullptr)
    {
        m_recipe.m_lines.AddTail(pLine);
        m_list.AddString(text);
        return;
    }
    m_recipe.m_lines.InsertBefore(before, pLine);
    m_list.InsertString(at, text);
    m_list.SetSel(++at);
}
