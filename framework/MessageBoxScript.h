#pragma once

#include <deque>
#include <vector>
#include <windef.h>

#include "framework/String.h"

// Test hook: while an object lives, every message box of the program is
// answered from its queue instead of by a user, and recorded. A box with no
// answer queued gets its default button.
class CMessageBoxScript
{
public:
    struct Shown
    {
        CString text;
        CString caption;
        UINT nType;
        HWND hOwner;
    };

    CMessageBoxScript();
    ~CMessageBoxScript();
    CMessageBoxScript(const CMessageBoxScript&) = delete;
    CMessageBoxScript& operator=(const CMessageBoxScript&) = delete;

    void QueueAnswer(int nAnswer);
    const std::vector<Shown>& GetShown() const { return m_shown; }
    void ClearShown() { m_shown.clear(); }
    // The texts shown, in order.
    std::vector<CString> GetTexts() const;
    // The texts shown, each ending in a newline: one string to search or to add to a failure.
    CString GetAllTexts() const;

    // The button a box of style nType answers when the user presses Enter.
    static int DefaultAnswer(UINT nType);

private:
    static int Answer(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);

    std::deque<int> m_answers;
    std::vector<Shown> m_shown;
    using Handler = int (*)(HWND, LPCSTR, LPCSTR, UINT);
    Handler m_pfnPrevious;
    CMessageBoxScript* m_pPrevious;
};
