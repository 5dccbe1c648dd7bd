#pragma once

class CComboBox;

// Fills an empty combo box with the names of the ten recipe sort keys, in key order, then
// selects entry index (the sort key) whether it was empty or not.
void FillSortByCombo(CComboBox& comboBox, int index);
