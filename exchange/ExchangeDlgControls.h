#pragma once

#include <windef.h>

#include <vector>

class CCustObArray;
class CWnd;

// The controls the export and import dialogs share.

// Lists the file types named by the consecutive string-table entries from nFirstText in the
// dialog's type box and chooses the first; the box opens on the arrow keys.
void FillExchangeTypeCombo(CWnd& dialog, UINT nFirstText, int nCount);
// Adds each chapter's name to the chapter box, its id as the item data.
void AddExchangeChapters(CWnd& dialog, const CCustObArray& chapters);
// Shows how many recipes are chosen of how many listed; the buttons work only with recipes.
void ShowRecipeSelection(CWnd& dialog, int nSelectedButton, int nAllButton);
// The rows of the recipes chosen in the list.
std::vector<int> SelectedRecipeRows(const CWnd& dialog, int nSelected);
