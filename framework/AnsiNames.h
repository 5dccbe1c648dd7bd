#pragma once

// In this ANSI build <windows.h> renames many Win32 functions to their "A"
// form with macros, which also renames framework members of the same name.
// Defining the same renames here (when <windows.h> has not) keeps each member's
// name the same whether <windows.h> is included before or after a header.
#ifndef AppendMenu
#define AppendMenu AppendMenuA
#endif
#ifndef CreateDialogIndirectParam
#define CreateDialogIndirectParam CreateDialogIndirectParamA
#endif
#ifndef CreateFont
#define CreateFont CreateFontA
#endif
#ifndef CreateFontIndirect
#define CreateFontIndirect CreateFontIndirectA
#endif
#ifndef DefWindowProc
#define DefWindowProc DefWindowProcA
#endif
#ifndef DrawText
#define DrawText DrawTextA
#endif
#ifndef ExtTextOut
#define ExtTextOut ExtTextOutA
#endif
#ifndef GetDlgItemText
#define GetDlgItemText GetDlgItemTextA
#endif
#ifndef GetMenuString
#define GetMenuString GetMenuStringA
#endif
#ifndef GetObject
#define GetObject GetObjectA
#endif
#ifndef GetTextMetrics
#define GetTextMetrics GetTextMetricsA
#endif
#ifndef GetWindowText
#define GetWindowText GetWindowTextA
#endif
#ifndef GetWindowTextLength
#define GetWindowTextLength GetWindowTextLengthA
#endif
#ifndef InsertMenu
#define InsertMenu InsertMenuA
#endif
#ifndef LoadBitmap
#define LoadBitmap LoadBitmapA
#endif
#ifndef LoadCursor
#define LoadCursor LoadCursorA
#endif
#ifndef LoadIcon
#define LoadIcon LoadIconA
#endif
#ifndef LoadMenu
#define LoadMenu LoadMenuA
#endif
#ifndef MessageBox
#define MessageBox MessageBoxA
#endif
#ifndef ModifyMenu
#define ModifyMenu ModifyMenuA
#endif
#ifndef PostMessage
#define PostMessage PostMessageA
#endif
#ifndef SendDlgItemMessage
#define SendDlgItemMessage SendDlgItemMessageA
#endif
#ifndef SendMessage
#define SendMessage SendMessageA
#endif
#ifndef SetDlgItemText
#define SetDlgItemText SetDlgItemTextA
#endif
#ifndef SetWindowText
#define SetWindowText SetWindowTextA
#endif
#ifndef StartDoc
#define StartDoc StartDocA
#endif
#ifndef TextOut
#define TextOut TextOutA
#endif
#ifndef WinHelp
#define WinHelp WinHelpA
#endif
#ifndef CreateDC
#define CreateDC CreateDCA
#endif
#ifndef GetCharWidth
#define GetCharWidth GetCharWidthA
#endif
