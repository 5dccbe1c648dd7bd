#pragma once

#include <windef.h>

class CIngData;
class CString;

// What the ingredient panel asks of the recipe field window it works beside.
class CIngredientPanelOwner
{
public:
    virtual void DeleteLine() = 0;
    virtual void InsertLine() = 0;
    // The panel changed the line: its list text again, the editor and panel reloaded, and the
    // recipe marked changed when bMarkDirty.
    virtual void LineChanged(CIngData* pLine, BOOL bMarkDirty) = 0;
    // The ingredient or recipe name typed in the open line editor; FALSE when no editor is open.
    virtual BOOL GetEditorIngredientText(CString& text) const = 0;

protected:
    ~CIngredientPanelOwner() = default;
};
