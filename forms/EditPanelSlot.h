#pragma once

#include <windef.h>

#include <functional>
#include <memory>

class CWnd;

// What the related-items panel asks of an edit form's panel shown in its place: the ingredient
// panel of the recipe editor or the meal-plan item panel of the meal-plan editor. Destroying it
// destroys its window.
class CEditPanelSlot
{
public:
    virtual ~CEditPanelSlot() = default;

    virtual CWnd& GetWindow() = 0;
    // The window the panel reports to while it is shown.
    virtual void SetOwner(CWnd* pOwner) = 0;
};

// Makes the edit form's panel over rect of pForm.
using EditPanelFactory = std::function<std::unique_ptr<CEditPanelSlot>(CWnd* pForm, const RECT& rect)>;
