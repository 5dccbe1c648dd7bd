#pragma once

#include <windef.h>

class CComboBox;
class CListBox;

// The cookbook's stores, in their order, as rows of a list or combo box: the store's name after
// the prefix, with its id number as item data.
void AddStoreRows(CComboBox& combo, LPCSTR lpszPrefix = "");
void AddStoreRows(CListBox& list);
