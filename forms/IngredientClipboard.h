#pragma once

#include <cstddef>

class CIngData;
class CListBox;
class CRecipeData;

// Moves ingredient lines of the recipe being edited between its list and the clipboard: as
// text for other programs and as fixed-size records of the private format that keep the
// line's fields. The list shows the recipe's lines in the same order. Made for one operation.
class CIngredientClipboard
{
public:
    CIngredientClipboard(CListBox& list, CRecipeData& recipe);

    // 1 when done or when nothing is selected (the clipboard is then left as it was), 0 when
    // the clipboard or memory cannot be had.
    int Copy();
    // The number of lines removed (0 on failure).
    int Cut();
    // The number of lines inserted before the first selected line, or at the end. A private
    // block whose record count is 0 or disagrees with its size is someone else's damage and
    // gives nothing.
    int Paste();

private:
    void* BuildTextBlock() const;
    void* BuildRecordBlock() const;
    int InsertRecords(const unsigned char* pBlock, std::size_t cbBlock);
    void InsertLine(CIngData* pLine, int& at);

    CListBox& m_list;
    CRecipeData& m_recipe;
    int m_selectedCount;
};
