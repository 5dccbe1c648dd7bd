#pragma once

#include <windef.h>

class CComboBox;
class CListBox;
class CString;

// The cookbook's stores, in their order, as rows of a list or combo box: the store's name after
// the prefix, with its id number as item data.
void AddStoreRows(CComboBox& combo, LPCSTR lpszPrefix = "");
void AddStoreRows(CListBox& list);
// The group map holds each group under its id (value the name) and under its name (value the
// id): an entry whose value is no id is a group, keyed by its id.
bool IsGroupName(const CString& value);
