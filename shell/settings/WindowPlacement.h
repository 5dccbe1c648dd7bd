#pragma once

#include <windef.h>

class CFont;
class CString;
class CWnd;

// The forms and dialogs are laid out for a client area of the reference size (630 by 395).
// These routines centre windows, shrink what is larger than the reference and scale its
// children and font to match, make the forms' label fonts and choose the printer or file.

void SetReferenceFormSize(int nWidth, int nHeight);
// Centres the window over the client area of pOver (the main window when null).
void CenterWindowOver(CWnd* pWnd, CWnd* pOver);
void ApplyDialogFont(CWnd* pDialog);
// The vertical factor applied.
float ScaleFormFont(CWnd* pForm);
// Deletes the scaled fonts (at the main frame's tear-down).
void DeleteSharedDialogFont();
float GetHorizontalScale();
float GetVerticalScale();
BOOL CreateLabelFont(CFont& font, UINT nFaceId, int nHeight, int nWeight);

// Output kinds of a print file.
enum PrintOutputKind : int
{
    kPrintText = 0,
    kPrintRtf = 1,
    kPrintMasterCook = 2,
    kPrintMm = 3,
    // Only the Export dialog chooses the tagged recipe text.
    kPrintTagged = 4,
    kPrintRefused = -1,
};
// The output kind of a print file name, or kPrintRefused for the database, executable and
// program data files that printing must never overwrite.
int ClassifyPrintFileName(const CString& name);
// 1 when a printer or a file was chosen, else the print dialog's result.
int CreatePrinterDC();
// Non-zero when a file was chosen; its name is GetPrintFileName().
BOOL ChoosePrintFile();
const char* GetPrintFileName();
int GetPrintOutputKind();
// The Export dialog names its file and format here; print to file writes to the same place.
void SetPrintFile(const char* pszName, int nKind);
HDC GetPrinterDC();
// Deletes the chosen printer's DC and forgets it, so no later print draws on a deleted DC.
void DeletePrinterDC();
