#pragma once

#include <windef.h>

#include "framework/AnsiNames.h"
#include "framework/CmdTarget.h"
#include "framework/Rect.h"
#include "framework/String.h"

class CDC;
class CDataExchange;
class CFont;
class CFrameWnd;
class CMenu;
struct tagCREATESTRUCTA;
struct tagMSG;
struct tagCOMPAREITEMSTRUCT;
struct tagDELETEITEMSTRUCT;

// A window. Objects made by the program own their window through the
// permanent handle map; FromHandle hands out temporary wrappers for other
// windows, which live until the application's next idle clean-up. A window
// made by Create (or attached with SubclassWindow) sends every message
// through WindowProc: the message map first, then DefWindowProc.
class CWnd : public CCmdTarget
{
    DECLARE_DYNAMIC(CWnd)
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Drops every temporary wrapper; the application calls it when idle.
    static void DeleteTempMap();

    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Creation. lpszClassName null: a class registered with the defaults.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID, void* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void* lpParam = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(tagCREATESTRUCTA& cs);

    // Message processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(tagMSG* pMsg);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    static CWnd* GetFocus();
    static CWnd* GetActiveWindow();
    static CWnd* GetCapture();
    static CWnd* WindowFromPoint(POINT point);

    // Window state and geometry.
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetDlgItem(int nID) const;
    CWnd* GetWindow(UINT nCmd) const;
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    // The window rectangle that gives this window the client rectangle *lpClientRect.
    virtual void CalcWindowRect(LPRECT lpClientRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsIconic() const;
    CWnd* SetFocus();
    CWnd* SetActiveWindow();
    void BringWindowToTop();
    CWnd* SetCapture();

    // Text and fonts.
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;

    // Dialog items.
    void SetDlgItemText(int nID, LPCSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;

    // Painting.
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, UINT flags = 0);
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);

    // Menus, timers, scroll bars, help.
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL bRevert) const;
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    BOOL KillTimer(UINT_PTR nIDEvent);
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos(int nBar) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    // Through the framework's message box service; caption null: the product name.
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = 0);

    // Sends a message to every descendant window (all levels).
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Data exchange between the controls and the members (DoDataExchange).
    // FALSE when a field did not pass; the user has been told and the field
    // has the focus.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Owner-draw and notification messages that the parent reflects to the
    // control's own object. TRUE: taken, *pResult is the answer.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

protected:
    DECLARE_MESSAGE_MAP()

    // Creates the window described by cs (after PreCreateWindow) for this object.
    BOOL CreateFromStruct(tagCREATESTRUCTA& cs);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Control notifications and commands; forms put their own dispatch ahead of the map here.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();
    // After WM_NCDESTROY, with the handle already detached. Windows that
    // delete themselves (frames, views) do it here.
    virtual void PostNcDestroy();
    // A common control's WM_NOTIFY to the ON_NOTIFY entry of its code and id.
    BOOL OnNotify(LPARAM lParam, LRESULT* pResult);
    // Gives the owner-draw or notification message to the child it concerns.
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Entries of ON_CONTROL_REFLECT.
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Handlers whose default is the window's default processing; overrides
    // that end with "the framework's handling" call these.
    int OnCreate(tagCREATESTRUCTA* lpCreateStruct);
    void OnDestroy();
    void OnClose();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);
    void OnSize(UINT nType, int cx, int cy);
    void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnSysCommand(UINT nID, LPARAM lParam);
    BOOL OnQueryEndSession();
    void OnWinIniChange(LPCSTR lpszSection);
    void OnInitMenu(CMenu* pMenu);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnDrawItem(int nIDCtl, tagDRAWITEMSTRUCT* lpDrawItemStruct);
    void OnMeasureItem(int nIDCtl, tagMEASUREITEMSTRUCT* lpMeasureItemStruct);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

    // The next window created on this thread belongs to pWnd: it is attached
    // and subclassed before its first message. Unhook returns whether it was.
    static void HookWindowCreate(CWnd* pWnd);
    static BOOL UnhookWindowCreate();

    using WindowProcPtr = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);
    // The window procedure of the subclassed window, or null.
    WindowProcPtr m_pfnSuper = nullptr;

private:
    static LRESULT CALLBACK StandardWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    LRESULT CallWindowProcSafely(UINT message, WPARAM wParam, LPARAM lParam);
    void AfterNcDestroy();
};

// Registers (once) a window class whose procedure is DefWindowProc, with
// these class attributes; the name stays valid for the process's life.
LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                           HICON hIcon = nullptr);
