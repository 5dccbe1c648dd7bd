#pragma once

// SetWaitCursor(1) shows the hourglass, SetWaitCursor(0) takes it away; other
// values do nothing. Calls nest: only the outermost pair switches the cursor,
// and an "off" without an "on" is ignored, so the mouse cursor never stays
// hidden.
void SetWaitCursor(int nOn);
