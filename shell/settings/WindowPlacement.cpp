#include "shell/settings/WindowPlacement.h"

#include <windows.h>

#include <cstring>
#include <memory>
#include <vector>

#include "database/CookbookDatabase.h"
#include "framework/AfxMessageBox.h"
#include "framework/FileDialog.h"
#include "framework/Font.h"
#include "framework/PrintDialog.h"
#include "framework/String.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/settings/AppSettings.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/graphics/FontFaces.h"
#include "shell/services/HelpService.h"

namespace {

SIZE s_reference = {630, 395};
float s_scaleX = 1.0f;
float s_scaleY = 1.0f;
// The font of the last scaling, one of the scaled fonts.
CFont* s_pDialogFont = nullptr;
std::vector<std::unique_ptr<CFont>> s_scaledFonts;
HDC s_hPrinterDC = nullptr;
char s_printFileName[MAX_PATH] = "pxprint.txt";
int s_printOutputKind = kPrintText;

const UINT kPrintSetupHelpContext = 2021;
const UINT kComboEditId = 1001;
const int kComboDropRows = 6;

struct ChildScaling
{
    SIZE oldSize;
};

// A scaled font stays alive until the tear-down: windows scaled earlier still draw with it. Equal
// fonts are made once, so the list stays as short as the number of different scalings.
CFont* FindOrMakeScaledFont(const LOGFONTA& font)
{
    for (const std::unique_ptr<CFont>& pMade : s_scaledFonts)
    {
        LOGFONTA made = {};
        ::GetObjectA(pMade->m_hObject, sizeof made, &made);
        if (std::memcmp(&made, &font, sizeof made) == 0)
            return pMade.get();
    }
    s_scaledFonts.push_back(std::make_unique<CFont>());
    s_scaledFonts.back()->CreateFontIndirect(&font);
    return s_scaledFonts.back().get();
}

// Gives the window a copy of its font with its height and width scaled.
void ScaleWindowFont(CWnd* pWnd)
{
    LOGFONTA font = {};
    HFONT hFont = reinterpret_cast<HFONT>(pWnd->SendMessage(WM_GETFONT));
    ::GetObjectA(hFont != nullptr ? hFont : ::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = static_cast<LONG>(font.lfHeight * s_scaleY);
    font.lfWidth = static_cast<LONG>(font.lfWidth * s_scaleX);
    s_pDialogFont = FindOrMakeScaledFont(font);
    pWnd->SetFont(s_pDialogFont, FALSE);
}

int ScaleCoordinate(int value, LONG reference, LONG oldSize)
{
    return oldSize > reference ? ::MulDiv(value, reference, oldSize) : value;
}

BOOL CALLBACK ScaleChildWindow(HWND hChild, LPARAM lParam)
{
    const ChildScaling& scaling = *reinterpret_cast<const ChildScaling*>(lParam);
    RECT rect;
    ::GetWindowRect(hChild, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(hChild), reinterpret_cast<POINT*>(&rect), 2);
    char className[32] = "";
    ::GetClassNameA(hChild, className, sizeof className);
    if (std::strcmp(className, "Lumbra") == 0)
    {
        ::MoveWindow(hChild, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
        return TRUE;
    }
    if (std::strcmp(className, "Edit") == 0 && ::GetDlgCtrlID(hChild) == static_cast<int>(kComboEditId))
        return TRUE;
    const int left = ScaleCoordinate(rect.left, s_reference.cx, scaling.oldSize.cx);
    const int right = ScaleCoordinate(rect.right, s_reference.cx, scaling.oldSize.cx);
    const int top = ScaleCoordinate(rect.top, s_reference.cy, scaling.oldSize.cy);
    int bottom = ScaleCoordinate(rect.bottom, s_reference.cy, scaling.oldSize.cy);
    if (std::strcmp(className, "ComboBox") == 0)
        bottom = top + (bottom - top) * kComboDropRows;
    ::SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(s_pDialogFont->m_hObject), FALSE);
    ::MoveWindow(hChild, left, top, right - left, bottom - top, FALSE);
    return TRUE;
}

void ScaleChildren(CWnd* pParent, SIZE oldSize)
{
    ChildScaling scaling{oldSize};
    ::EnumChildWindows(pParent->m_hWnd, ScaleChildWindow, reinterpret_cast<LPARAM>(&scaling));
}

CString ExtensionOf(const CString& name)
{
    const int dot = name.ReverseFind('.');
    const int slash = name.ReverseFind('\\');
    return dot > slash ? name.Mid(dot + 1) : CString();
}

BOOL IsOpenCookbook(const CString& name)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return FALSE;
    return !name.IsEmpty() && CDatabase::GetConnectAttribute(pDatabase->GetConnect(), "DBQ").CompareNoCase(name) == 0;
}

// The chosen name, lower-cased and without trailing blanks; empty when cancelled.
CString AskPrintFileName()
{
    CFileDialog dialog(FALSE, nullptr, s_printFileName, OFN_HIDEREADONLY,
                       "Text Files(*.TXT)|*.txt|RTF Files(*.RTF)|*.rtf|MasterCook Files(*.MXP)|*.mxp|",
                       CWnd::GetActiveWindow());
    dialog.m_ofn.lpstrTitle = "Print to File";
    if (dialog.DoModal() != IDOK)
        return CString();
    CString name = dialog.GetPathName();
    name.MakeLower();
    name.TrimRight();
    return name;
}

BOOL ConfirmOverwrite(const CString& name)
{
    if (::GetFileAttributesA(name) == INVALID_FILE_ATTRIBUTES)
        return TRUE;
    CString prompt;
    prompt.LoadString(IDS_PRINT_FILE_EXISTS);
    CString text;
    text.Format(prompt, static_cast<LPCSTR>(name));
    return AfxMessageBox(text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The DC is made from the printer and device mode the dialog chose, in the record's orientation:
// a dialog that returns no DC of its own must still give a usable one.
HDC CreateChosenPrinterDC(CPrintDialog& dialog)
{
    PrintSettings* pPrint = g_pAppSettings != nullptr ? g_pAppSettings->GetPrintRecord() : nullptr;
    DEVMODEA* pMode = dialog.GetDevMode();
    if (pMode != nullptr)
    {
        pMode->dmFields |= DM_ORIENTATION;
        pMode->dmOrientation = pPrint != nullptr && pPrint->Orientation == 1 ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    }
    HDC hDC = ::CreateDCA(dialog.GetDriverName(), dialog.GetDeviceName(), nullptr, pMode);
    if (HDC hDialogDC = dialog.GetPrinterDC())
        ::DeleteDC(hDialogDC);
    return hDC;
}

}  // namespace

void SetReferenceFormSize(int nWidth, int nHeight)
{
    s_reference = {nWidth, nHeight};
}

void CenterWindowOver(CWnd* pWnd, CWnd* pOver)
{
    if (pOver == nullptr)
        pOver = AfxGetMainWnd();
    if (pWnd == nullptr || pOver == nullptr)
        return;
    CRect client;
    pOver->GetClientRect(&client);
    CRect window;
    pWnd->GetWindowRect(&window);
    POINT topLeft = {client.left + (client.Width() - window.Width()) / 2,
                     client.top + (client.Height() - window.Height()) / 2};
    pOver->ClientToScreen(&topLeft);
    if (pWnd->GetStyle() & WS_CHILD)
        pWnd->GetParent()->ScreenToClient(&topLeft);
    pWnd->SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ApplyDialogFont(CWnd* pDialog)
{
    CRect client;
    pDialog->GetClientRect(&client);
    CRect window;
    pDialog->GetWindowRect(&window);
    const SIZE oldSize = {window.Width(), window.Height()};
    if (oldSize.cx <= s_reference.cx && oldSize.cy <= s_reference.cy)
        return;
    SIZE newSize = oldSize;
    s_scaleX = 1.0f;
    s_scaleY = 1.0f;
    if (oldSize.cx > s_reference.cx)
    {
        newSize.cx = s_reference.cx;
        s_scaleX = static_cast<float>(s_reference.cx) / static_cast<float>(oldSize.cx);
    }
    if (oldSize.cy > s_reference.cy)
    {
        newSize.cy = s_reference.cy + (window.Height() - client.Height());
        s_scaleY = static_cast<float>(s_reference.cy) / static_cast<float>(oldSize.cy);
    }
    ScaleWindowFont(pDialog);
    pDialog->SetWindowPos(nullptr, 0, 0, newSize.cx, newSize.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ScaleChildren(pDialog, oldSize);
}

float ScaleFormFont(CWnd* pForm)
{
    CRect window;
    pForm->GetWindowRect(&window);
    if (window.Width() <= 0 || window.Height() <= 0)
        return s_scaleY;
    s_scaleX = 630.0f / static_cast<float>(window.Width());
    s_scaleY = 384.0f / static_cast<float>(window.Height());
    ScaleWindowFont(pForm);
    ScaleChildren(pForm, SIZE{window.Width(), window.Height()});
    return s_scaleY;
}

void DeleteSharedDialogFont()
{
    s_pDialogFont = nullptr;
    s_scaledFonts.clear();
}

float GetHorizontalScale()
{
    return s_scaleX;
}

float GetVerticalScale()
{
    return s_scaleY;
}

BOOL CreateLabelFont(CFont& font, UINT nFaceId, int nHeight, int nWeight)
{
    LOGFONTA logFont = {};
    logFont.lfHeight = nHeight;
    logFont.lfWeight = nWeight;
    logFont.lfPitchAndFamily = nFaceId == GetSerifFaceId() ? 0x12 : 0x22;
    logFont.lfOutPrecision = 4;
    logFont.lfClipPrecision = 2;
    logFont.lfQuality = 1;
    CString face;
    face.LoadString(nFaceId);
    lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
    return font.CreateFontIndirect(&logFont);
}

int ClassifyPrintFileName(const CString& name)
{
    // Beyond the database and program files: the shopping lists, pantry and frequent items.
    static const char* const kRefused[] = {"dbf", "fpt", "cdx", "exe", "dll", "tws",
                                           "mdb", "ini", "hlp", "chk", "adf", "shp"};
    const CString extension = ExtensionOf(name);
    for (const char* refused : kRefused)
        if (extension.CompareNoCase(refused) == 0)
            return kPrintRefused;
    if (IsOpenCookbook(name))
        return kPrintRefused;
    if (extension.CompareNoCase("rtf") == 0)
        return kPrintRtf;
    if (extension.CompareNoCase("mxp") == 0)
        return kPrintMasterCook;
    if (extension.CompareNoCase("mm") == 0)
        return kPrintMm;
    return kPrintText;
}

BOOL ChoosePrintFile()
{
    for (;;)
    {
        const CString name = AskPrintFileName();
        if (name.IsEmpty())
            return FALSE;
        const int kind = ClassifyPrintFileName(name);
        if (kind == kPrintRefused)
        {
            AfxMessageBox(IDS_PRINT_FILE_REFUSED, MB_ICONEXCLAMATION);
            continue;
        }
        if (!ConfirmOverwrite(name))
            continue;
        lstrcpynA(s_printFileName, name, sizeof s_printFileName);
        s_printOutputKind = kind;
        return TRUE;
    }
}

int CreatePrinterDC()
{
    // The print style, not set-up: only it has the "Print to file" box.
    CPrintDialog dialog(FALSE, PD_SHOWHELP | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES, AfxGetMainWnd());
    const UINT previousContext = SetHelpContext(kPrintSetupHelpContext);
    const INT_PTR result = dialog.DoModal();
    SetHelpContext(previousContext);
    if (result != IDOK)
        return static_cast<int>(result);
    const BOOL toFile = dialog.PrintToFile();
    if (g_pAppSettings != nullptr)
        g_pAppSettings->GetPrintRecord()->PrintToFile = toFile ? 1 : 0;
    if (toFile)
        return ChoosePrintFile() ? 1 : 0;
    DeletePrinterDC();
    s_hPrinterDC = CreateChosenPrinterDC(dialog);
    return s_hPrinterDC != nullptr ? 1 : 0;
}

const char* GetPrintFileName()
{
    return s_printFileName;
}

int GetPrintOutputKind()
{
    return s_printOutputKind;
}

void SetPrintFile(const char* pszName, int nKind)
{
    lstrcpynA(s_printFileName, pszName, sizeof s_printFileName);
    s_printOutputKind = nKind;
}

HDC GetPrinterDC()
{
    return s_hPrinterDC;
}

void DeletePrinterDC()
{
    if (s_hPrinterDC != nullptr)
        ::DeleteDC(s_hPrinterDC);
    s_hPrinterDC = nullptr;
}
