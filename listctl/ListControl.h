#pragma once
// One Lumbra window: a frame owning a child list box that holds only the visible rows. It
// routes scrolling, keys, mouse and owner-draw traffic between the child, itself and its
// parent. Lives from WM_NCCREATE to WM_NCDESTROY behind window long 0.

#include "listctl/ListCommands.h"
#include "listctl/ListLayout.h"
#include "listctl/ListRecord.h"
#include "listctl/ListSelector.h"

#include <windows.h>

class CListControl
{
public:
    CListControl(HWND hwnd, DWORD creationStyle);

    static CListControl* FromWindow(HWND hwnd);
    HWND Child() const { return m_r.m_child; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT OnCreate(const CREATESTRUCTA& creation);
    HWND CreateChild(const CREATESTRUCTA& creation);
    void DisableScrollBars();
    LRESULT OnStandardMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(int width, int height);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus(HWND gaining);
    LRESULT OnEnable(bool enable);
    LRESULT OnPaint();
    LRESULT OnCtlColor(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(HFONT font, bool redraw);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT PassToChild(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT RelayOwnerDraw(UINT message, LPARAM lParam);
    template <class Item>
    LRESULT RelayItem(UINT message, LPARAM lParam);
    LRESULT OnChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

    CListRecord m_r;
    CListLayout m_layout;
    CListSelector m_selector;
    CListCommands m_commands;
};
