#pragma once
// A visible top-level window that hands the list control's messages to the list hosts placed
// on it, as a form does, and records the commands it gets (not its controls' notifications).
#include <vector>

#include <windows.h>

#include "OwnDesktop.h"
#include "shell/controls/VirtualListBox.h"

class CListHostWindow
{
public:
    static constexpr int FirstListId = 700;

    CListHostWindow()
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &CListHostWindow::Proc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "SavorumFormHost";
        ::RegisterClassA(&windowClass);
        m_hWnd = ::CreateWindowExA(0, "SavorumFormHost", "Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400,
                                   nullptr, nullptr, ::GetModuleHandleA(nullptr), this);
    }
    ~CListHostWindow() { ::DestroyWindow(m_hWnd); }
    CListHostWindow(const CListHostWindow&) = delete;
    CListHostWindow& operator=(const CListHostWindow&) = delete;

    // A list control of `rows` rows of 16 pixels at x, hosted by `list`.
    HWND AddList(CVirtualListBox& list, int x, int rows, DWORD style = 0)
    {
        int id = FirstListId + static_cast<int>(m_lists.size());
        HWND control = ::CreateWindowExA(0, "Lumbra", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY | style, x, 10, 200,
                                         rows * 16, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(control, LCM_SETITEMHEIGHT, 0, 16);
        list.Attach(CWnd::FromHandle(m_hWnd), static_cast<UINT>(id));
        m_lists.push_back(&list);
        return control;
    }

    HWND m_hWnd = nullptr;
    std::vector<WPARAM> commands;
    int buttonUps = 0;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            ::SetWindowLongPtrA(hWnd, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<CListHostWindow*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
        if (self == nullptr)
            return ::DefWindowProcA(hWnd, message, wParam, lParam);
        for (CVirtualListBox* list : self->m_lists)
        {
            if (list->HandlesListMessage(message, wParam, lParam))
                return list->OnListMessage(message, wParam, lParam);
            LRESULT result = 0;
            bool ownerDraw = message == WM_DRAWITEM || message == WM_MEASUREITEM;
            if (ownerDraw && wParam == static_cast<WPARAM>(list->GetDlgCtrlID()) &&
                list->OnChildNotify(message, wParam, lParam, &result))
                return TRUE;
        }
        if (message == WM_COMMAND && lParam == 0)
            self->commands.push_back(wParam);
        if (message == WM_LBUTTONUP)
            ++self->buttonUps;
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }

    std::vector<CVirtualListBox*> m_lists;
};
