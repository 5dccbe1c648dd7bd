#pragma once

#include "shell/controls/RatedItemListBox.h"

// The recipe list: each row is the recipe's name and, by the column mode (the sort key the
// list is shown in), its sort value as a second column.
class CRecipeListBox : public CRatedItemListBox
{
public:
    LRESULT Initialise(int sortKey, const CRecordId& id, int columnMode);

    // "name|value " for the column mode; the name alone for modes 0 and 1.
    static CString BuildRowText(const CSortedRecipeListItem& item, int columnMode);

protected:
    LRESULT FillRequest(LCITEMREQUEST* pRequest, long index, CSortedRecipeListItem* pItem) override;

private:
    int m_columnMode = 0;
};
