#pragma once

#include <windef.h>

class CShoppingList;
class CShoppingListItem;
class CString;

// The rows of the pantry and frequent-item lists: a pantry entry shows its ingredient, a
// frequent entry the ingredient with its preparation, quantity and unit.
CString ItemListRowText(const CShoppingListItem& item, BOOL bFrequent);
// Prints the list under its kind's title, each row behind its check box. An empty list prints
// nothing and tells the user so. FALSE when nothing was printed.
BOOL PrintItemList(HWND hOwner, const CShoppingList& list, BOOL bFrequent);
