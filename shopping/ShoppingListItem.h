#pragma once

#include <windef.h>

#include "database/RecordId.h"
#include "framework/Object.h"
#include "framework/String.h"
#include "shell/controls/CheckableItem.h"

class CIngData;
class CRecipeListItem;

// One line to buy: its own copy of an ingredient line, the recipe it came from, and a serial
// number that is unique in this run of the program (serials are not archived).
class CShoppingListItem : public CObject, public CCheckableItem
{
    DECLARE_SERIAL(CShoppingListItem)
public:
    CShoppingListItem();
    // adjusted when the factor scales the line up.
    CShoppingListItem(const CIngData& line, const CRecipeListItem& recipe, double factor);
    // Keeps the source's serial unless bNewSerial asks for a new one.
    CShoppingListItem(const CShoppingListItem& other, BOOL bNewSerial = FALSE);
    // Every field, the serial included.
    CShoppingListItem& operator=(const CShoppingListItem& other);
    ~CShoppingListItem() override;

    // Merges candidate into this summary entry; FALSE when their units cannot be added.
    BOOL MergeItem(const CShoppingListItem& candidate);

    CIngData& GetLine() { return *m_pLine; }
    const CIngData& GetLine() const { return *m_pLine; }
    DWORD GetSerial() const { return m_serial; }

    void Serialize(CArchive& ar) override;
    // The pantry and frequent lists show the checked flag as a check mark.
    LONG& CheckMark() override { return m_checked; }

    CString m_recipeName;
    CRecordId m_recipeId;
    LONG m_hidden;
    LONG m_adjusted;
    LONG m_checked;
    LONG m_combined;

private:
    static DWORD NextSerial();

    CIngData* m_pLine;
    DWORD m_serial;
};
