#pragma once

class CCustObArray;
class CProgressDlg;

// Writes the chosen recipes (TOCListItem elements: record id and title), in order, to the file
// in the export format (0 plain text, 1 RTF, 2 MasterCook, 3 Meal-Master, 4 tagged text),
// through an output of its own: no print setting changes. The file is written beside the
// target and replaces it only when every write went through. The number of recipes written;
// -1 when the file cannot be written.
int ExportRecipesToFile(const char* pszPath, int nFormat, const CCustObArray& items, CProgressDlg* pProgress);
