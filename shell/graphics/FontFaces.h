#pragma once

#include <windef.h>

// The serif and sans faces of the forms' labels, as the string ids of their names: the first
// choice when that face is installed, else the older face that every system has.
void ChooseFontFaces();
UINT GetSerifFaceId();
UINT GetSansFaceId();
