#pragma once

#include <windows.h>

#include "res/resource.h"

// The colour scheme the category form and the table of contents share, in the order of its
// entries.
namespace listformcolours {

const UINT kColourIds[] = {IDS_LIST_FORM_BACKGROUND, IDS_LIST_FORM_STATIC_TEXT, IDS_LIST_FORM_LIST_BACKGROUND,
                           IDS_LIST_FORM_HIGHLIGHT, IDS_LIST_FORM_LIST_TEXT};
const int kColourCount = sizeof kColourIds / sizeof kColourIds[0];
const int kBackground = 0;
const int kStaticText = 1;
const int kListBackground = 2;
const int kHighlight = 3;
const int kListText = 4;

}  // namespace listformcolours
