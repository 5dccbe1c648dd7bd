#pragma once

// The private clipboard format of ingredient lines. Registering by name gives every window of
// every program the same number, so a block another program put there is read as ours.
void RegisterIngredientClipboardFormat();
// 0 until registered.
unsigned int GetIngredientClipboardFormat();
