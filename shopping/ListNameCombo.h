#pragma once

class CComboBox;
class CString;

// The names of the list files of the current directory, without their extension, with the
// current list's name selected when it is among them.
void FillListNameCombo(CComboBox& combo, const CString& currentName);
// A name typed longer than a list name may be is refused and cut back to the longest.
void CheckTypedListName(CComboBox& combo);
