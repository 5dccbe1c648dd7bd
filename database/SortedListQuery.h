#pragma once

#include <windef.h>

#include <vector>

#include "framework/String.h"

class CRecordId;

// One window statement with the texts of its question marks, in order.
struct SortedListStatement
{
    CString sql;
    std::vector<CString> parameters;
};

// Where a row stands in its list: its segment, title and recipe id. Its sort value is read
// back from the cookbook by the id, since a number may not survive the trip through the driver.
struct SortedListKey
{
    int segment = 0;
    CString title;
    CString recipe;
    // A row without a title cannot be sought by its values; its neighbours are read by position.
    bool seekable = false;
};

// The statements that read a sorted recipe list a window at a time. The list is ordered by
// the sort key's column, then the title, then the recipe id, so that no two rows tie. Rows
// without a value for the column form a segment of their own, ordered by title and id, before
// the others (after them for the descending rating): each segment is read by walking one
// index, from either end, by position or from a row already read.
class CSortedListQuery
{
public:
    // The rows a window statement selects: recipe, title, chapter, servings, rating and the sort
    // key's column.
    enum Column
    {
        kRecipe = 1,
        kTitle,
        kChapter,
        kServings,
        kRating,
        kSortValue
    };

    // A chapter's recipes (id 0: every recipe).
    static CSortedListQuery ForChapter(const CRecordId& chapterId, int sortKey);
    // The recipes with a medium of that letter (P, V or S).
    static CSortedListQuery ForMedia(char letter, int sortKey);
    // The recipes filed in a category (id 0: in any category).
    static CSortedListQuery ForCategory(const CRecordId& categoryId, int sortKey);

    // The sort key's column (keys 0 and unknown ones select the preparation time).
    static CString SortColumn(int sortKey);
    static bool IsNutritionKey(int sortKey) { return sortKey >= 2 && sortKey <= 6; }
    static bool IsDoubleKey(int sortKey) { return IsNutritionKey(sortKey) || sortKey == 9; }

    const CString& CountStatement() const { return m_count; }
    int SegmentCount() const { return static_cast<int>(m_segments.size()); }
    // Counts the rows without a sort value; segmented lists only.
    CString NullSegmentCountStatement() const;
    int NullSegment() const;

    // Rows of a segment from its start (or, backwards, from its end) after skipping offset.
    SortedListStatement Read(int segment, bool backwards, long offset, long limit) const;
    // The statements that read on from a row (with a title) to the end of its segment, or
    // back to the segment's start, in the order their rows come.
    std::vector<SortedListStatement> ReadBeyond(const SortedListKey& key, bool backwards, long limit) const;

private:
    struct Segment
    {
        CString from;
        CString where;
        CString leading;
        // The leading value of the row with the recipe id given for its question mark.
        CString leadingOfRow;
        bool descending;
        bool leadsByTitle;
        bool withoutValue;
    };

    CSortedListQuery(const CString& scope, const CString& count, int sortKey);
    void AddSegments(const CString& scope, int sortKey);
    CString Select(const Segment& segment, const CString& condition, const CString& order, long limit,
                   long offset) const;
    CString Order(const Segment& segment, bool backwards, bool tiesOnly) const;

    CString m_columns;
    CString m_count;
    std::vector<Segment> m_segments;
};
