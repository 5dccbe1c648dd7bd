#pragma once

class CObArray;
class CPageFormatter;
class CProgressDlg;

// Writes the recipes of the list (CListItem elements, found by record id) in order into the
// print file, with the writer of the export format, naming each in the progress window (when
// one is given); Cancel there stops between recipes and keeps what was written. A recipe that
// does not load is left out. 1 when every recipe reached was written; 0 when the output could
// not be opened or a write failed.
int ExportRecipeList(const CObArray& recipes, CProgressDlg* pProgress);
// The same onto an output of the caller's, in the given export format; nWritten counts the
// recipes written. The writer's result: 0 when every recipe reached was written.
int WriteRecipeList(CPageFormatter& output, int nFormat, const CObArray& recipes, CProgressDlg* pProgress,
                    int& nWritten);
