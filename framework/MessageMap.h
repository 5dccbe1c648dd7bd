#pragma once

#include <windef.h>

#include "framework/Point.h"

class CCmdTarget;
class CCmdUI;
class CDC;
class CMenu;
class CWnd;
struct tagCREATESTRUCTA;
struct tagDRAWITEMSTRUCT;
struct tagMEASUREITEMSTRUCT;
struct tagNMHDR;

// Temporary wrappers for handles that arrive in message parameters; defined
// with their classes, declared here so that the handler thunks need no header.
CWnd* AfxWndFromHandle(HWND hWnd);
CDC* AfxDCFromHandle(HDC hDC);
CMenu* AfxMenuFromHandle(HMENU hMenu);

// A class's table of message handlers, chained to its base class's table.
// Each entry binds a window message, a command or notification id range, or
// a registered message to a thunk that unpacks the parameters and calls the
// member function with its own typed signature.
struct CMessageMap
{
    // Pseudo message numbers above the 16-bit window messages.
    enum : UINT
    {
        kRegistered = 0x10000,  // pRegistered names the message number
        kReflected = 0x20000,   // + the message, as the child control sees it
        kCtlColor = 0x0019,     // every WM_CTLCOLORxxx; the handler gets the CTLCOLOR_ kind
    };
    enum : int
    {
        kCodeCommand = 0,    // a menu item, accelerator or button click
        kCodeUpdateUI = -1,  // a CCmdUI update request
    };

    struct Args
    {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
        UINT nID;
        CCmdUI* pCmdUI;
    };
    using Thunk = LRESULT (*)(CCmdTarget* pTarget, const Args& args);

    struct Entry
    {
        UINT nMessage;  // window message, WM_COMMAND, or a pseudo number
        int nCode;      // notification code of WM_COMMAND entries
        UINT nID;
        UINT nLastID;
        const UINT* pRegistered;
        Thunk pfn;  // null ends the table
    };

    const CMessageMap* (*pfnGetBaseMap)();
    const Entry* pEntries;
};

// One thunk per handler signature. T is the class of the map, pfn the member
// (possibly declared in a base class, hence auto).
template <class T, auto pfn>
struct CMessageThunk
{
    static T* Self(CCmdTarget* p) { return static_cast<T*>(p); }
    static int X(LPARAM l) { return static_cast<short>(LOWORD(l)); }
    static int Y(LPARAM l) { return static_cast<short>(HIWORD(l)); }

    static LRESULT Void(CCmdTarget* p, const CMessageMap::Args&)
    {
        (Self(p)->*pfn)();
        return 0;
    }
    static LRESULT Raw(CCmdTarget* p, const CMessageMap::Args& a) { return (Self(p)->*pfn)(a.wParam, a.lParam); }
    static LRESULT Id(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(a.nID);
        return 0;
    }
    static LRESULT Result(CCmdTarget* p, const CMessageMap::Args& a) { return (Self(p)->*pfn)(a.lParam); }
    static LRESULT UpdateUI(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(a.pCmdUI);
        return 0;
    }
    static LRESULT Create(CCmdTarget* p, const CMessageMap::Args& a)
    {
        return (Self(p)->*pfn)(reinterpret_cast<tagCREATESTRUCTA*>(a.lParam));
    }
    static LRESULT Mouse(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(static_cast<UINT>(a.wParam), CPoint(X(a.lParam), Y(a.lParam)));
        return 0;
    }
    static LRESULT Timer(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(static_cast<UINT_PTR>(a.wParam));
        return 0;
    }
    static LRESULT Size(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(static_cast<UINT>(a.wParam), static_cast<int>(LOWORD(a.lParam)),
                        static_cast<int>(HIWORD(a.lParam)));
        return 0;
    }
    static LRESULT Scroll(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(LOWORD(a.wParam), static_cast<short>(HIWORD(a.wParam)),
                        AfxWndFromHandle(reinterpret_cast<HWND>(a.lParam)));
        return 0;
    }
    static LRESULT CtlColor(CCmdTarget* p, const CMessageMap::Args& a)
    {
        HBRUSH brush = (Self(p)->*pfn)(AfxDCFromHandle(reinterpret_cast<HDC>(a.wParam)),
                                       AfxWndFromHandle(reinterpret_cast<HWND>(a.lParam)), a.nID);
        return reinterpret_cast<LRESULT>(brush);
    }
    static LRESULT SysCommand(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(static_cast<UINT>(a.wParam), a.lParam);
        return 0;
    }
    static LRESULT Bool(CCmdTarget* p, const CMessageMap::Args&) { return (Self(p)->*pfn)(); }
    static LRESULT Text(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(reinterpret_cast<LPCSTR>(a.lParam));
        return 0;
    }
    static LRESULT Menu(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(AfxMenuFromHandle(reinterpret_cast<HMENU>(a.wParam)));
        return 0;
    }
    static LRESULT MenuPopup(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(AfxMenuFromHandle(reinterpret_cast<HMENU>(a.wParam)), LOWORD(a.lParam), HIWORD(a.lParam) != 0);
        return 0;
    }
    static LRESULT Focus(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(AfxWndFromHandle(reinterpret_cast<HWND>(a.wParam)));
        return 0;
    }
    static LRESULT Key(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(static_cast<UINT>(a.wParam), LOWORD(a.lParam), HIWORD(a.lParam));
        return 0;
    }
    static LRESULT EraseBkgnd(CCmdTarget* p, const CMessageMap::Args& a)
    {
        return (Self(p)->*pfn)(AfxDCFromHandle(reinterpret_cast<HDC>(a.wParam)));
    }
    static LRESULT DrawItem(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(static_cast<int>(a.wParam), reinterpret_cast<tagDRAWITEMSTRUCT*>(a.lParam));
        return TRUE;
    }
    static LRESULT MeasureItem(CCmdTarget* p, const CMessageMap::Args& a)
    {
        (Self(p)->*pfn)(static_cast<int>(a.wParam), reinterpret_cast<tagMEASUREITEMSTRUCT*>(a.lParam));
        return TRUE;
    }
    static LRESULT Notify(CCmdTarget* p, const CMessageMap::Args& a)
    {
        LRESULT result = 0;
        (Self(p)->*pfn)(reinterpret_cast<tagNMHDR*>(a.lParam), &result);
        return result;
    }
    static LRESULT SetCursor(CCmdTarget* p, const CMessageMap::Args& a)
    {
        return (Self(p)->*pfn)(AfxWndFromHandle(reinterpret_cast<HWND>(a.wParam)), LOWORD(a.lParam), HIWORD(a.lParam));
    }
};

// In the class body.
#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const CMessageMap* GetThisMessageMap();                                                                     \
    const CMessageMap* GetMessageMap() const override;

// In the class's source file; one entry macro per line between the two.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const CMessageMap* theClass::GetMessageMap() const                                                                 \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const CMessageMap* theClass::GetThisMessageMap()                                                                   \
    {                                                                                                                  \
        using ThisClass = theClass;                                                                                    \
        using TheBaseClass = baseClass;                                                                                \
        static const CMessageMap::Entry s_entries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, 0, nullptr, nullptr                                                                                   \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const CMessageMap s_map = {&TheBaseClass::GetThisMessageMap, s_entries};                                    \
    return &s_map;                                                                                                     \
    }

#define SVM_ENTRY(msg, code, id, lastId, kind, fn)                                                                     \
    {(msg), (code), (id), (lastId), nullptr, &CMessageThunk<ThisClass, &ThisClass::fn>::kind},
#define SVM_WM(msg, kind, fn) SVM_ENTRY(msg, 0, 0, 0, kind, fn)

// Commands: void fn(); a range: void fn(UINT nID); an answer to the sender of
// WM_COMMAND: LRESULT fn(LPARAM lParam); update handlers: void fn(CCmdUI*).
#define ON_COMMAND(id, fn) SVM_ENTRY(WM_COMMAND, CMessageMap::kCodeCommand, id, id, Void, fn)
#define ON_COMMAND_RANGE(id, lastId, fn) SVM_ENTRY(WM_COMMAND, CMessageMap::kCodeCommand, id, lastId, Id, fn)
#define ON_COMMAND_RESULT(id, fn) SVM_ENTRY(WM_COMMAND, CMessageMap::kCodeCommand, id, id, Result, fn)
#define ON_UPDATE_COMMAND_UI(id, fn) SVM_ENTRY(WM_COMMAND, CMessageMap::kCodeUpdateUI, id, id, UpdateUI, fn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, lastId, fn)                                                                     \
    SVM_ENTRY(WM_COMMAND, CMessageMap::kCodeUpdateUI, id, lastId, UpdateUI, fn)

// Control notifications to the parent: void fn().
#define ON_CONTROL(code, id, fn) SVM_ENTRY(WM_COMMAND, code, id, id, Void, fn)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)

// Common-control notifications (WM_NOTIFY): void fn(NMHDR*, LRESULT* pResult); the result
// is the answer to the control.
#define ON_NOTIFY(code, id, fn) SVM_ENTRY(WM_NOTIFY, static_cast<int>(code), id, id, Notify, fn)

// A notification handled by the control's own object: void fn().
#define ON_CONTROL_REFLECT(code, fn) SVM_ENTRY(CMessageMap::kReflected + WM_COMMAND, code, 0, 0, Void, fn)

// Any message: LRESULT fn(WPARAM, LPARAM); a registered one names the
// UINT that holds its number.
#define ON_MESSAGE(msg, fn) SVM_WM(msg, Raw, fn)
#define ON_REGISTERED_MESSAGE(nMessageVariable, fn)                                                                    \
    {CMessageMap::kRegistered, 0, 0, 0, &(nMessageVariable), &CMessageThunk<ThisClass, &ThisClass::fn>::Raw},

#define ON_WM_CREATE() SVM_WM(WM_CREATE, Create, OnCreate)
#define ON_WM_DESTROY() SVM_WM(WM_DESTROY, Void, OnDestroy)
#define ON_WM_CLOSE() SVM_WM(WM_CLOSE, Void, OnClose)
#define ON_WM_PAINT() SVM_WM(WM_PAINT, Void, OnPaint)
#define ON_WM_ERASEBKGND() SVM_WM(WM_ERASEBKGND, EraseBkgnd, OnEraseBkgnd)
#define ON_WM_TIMER() SVM_WM(WM_TIMER, Timer, OnTimer)
#define ON_WM_SIZE() SVM_WM(WM_SIZE, Size, OnSize)
#define ON_WM_VSCROLL() SVM_WM(WM_VSCROLL, Scroll, OnVScroll)
#define ON_WM_HSCROLL() SVM_WM(WM_HSCROLL, Scroll, OnHScroll)
#define ON_WM_LBUTTONDOWN() SVM_WM(WM_LBUTTONDOWN, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() SVM_WM(WM_LBUTTONUP, Mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() SVM_WM(WM_LBUTTONDBLCLK, Mouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() SVM_WM(WM_RBUTTONDOWN, Mouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() SVM_WM(WM_RBUTTONUP, Mouse, OnRButtonUp)
#define ON_WM_MOUSEMOVE() SVM_WM(WM_MOUSEMOVE, Mouse, OnMouseMove)
#define ON_WM_CTLCOLOR() SVM_WM(CMessageMap::kCtlColor, CtlColor, OnCtlColor)
#define ON_WM_SYSCOMMAND() SVM_WM(WM_SYSCOMMAND, SysCommand, OnSysCommand)
#define ON_WM_QUERYENDSESSION() SVM_WM(WM_QUERYENDSESSION, Bool, OnQueryEndSession)
#define ON_WM_WININICHANGE() SVM_WM(WM_WININICHANGE, Text, OnWinIniChange)
#define ON_WM_INITMENU() SVM_WM(WM_INITMENU, Menu, OnInitMenu)
#define ON_WM_INITMENUPOPUP() SVM_WM(WM_INITMENUPOPUP, MenuPopup, OnInitMenuPopup)
#define ON_WM_SETFOCUS() SVM_WM(WM_SETFOCUS, Focus, OnSetFocus)
#define ON_WM_KILLFOCUS() SVM_WM(WM_KILLFOCUS, Focus, OnKillFocus)
#define ON_WM_CHAR() SVM_WM(WM_CHAR, Key, OnChar)
#define ON_WM_KEYDOWN() SVM_WM(WM_KEYDOWN, Key, OnKeyDown)
#define ON_WM_DRAWITEM() SVM_WM(WM_DRAWITEM, DrawItem, OnDrawItem)
#define ON_WM_MEASUREITEM() SVM_WM(WM_MEASUREITEM, MeasureItem, OnMeasureItem)
#define ON_WM_SETCURSOR() SVM_WM(WM_SETCURSOR, SetCursor, OnSetCursor)
#define ON_WM_GETDLGCODE() SVM_WM(WM_GETDLGCODE, Bool, OnGetDlgCode)
