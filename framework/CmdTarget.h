#pragma once

#include <windef.h>

#include "framework/MessageMap.h"
#include "framework/Object.h"

// An object that takes commands through its message map. Commands travel a
// route (view, document, template, frames, application); each class on the
// route overrides OnCmdMsg to offer the command to the next target when its
// own map has no entry for it.
class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // One command on its way along the route.
    struct Call
    {
        UINT nID;
        int nCode;        // CMessageMap::kCodeCommand, a notification, or kCodeUpdateUI
        LPARAM lParam;    // the WM_COMMAND lParam
        CCmdUI* pCmdUI;   // with kCodeUpdateUI
        BOOL bProbe;      // only find out whether some target has a handler
        LRESULT lResult;  // the handler's answer to the sender
    };

    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // TRUE when this target (or one it routes to) took the command.
    virtual BOOL OnCmdMsg(Call& call);

    void BeginWaitCursor();
    void EndWaitCursor();

protected:
    static const CMessageMap* GetThisMessageMap();
    virtual const CMessageMap* GetMessageMap() const;

    // The first entry of this object's maps (most derived first) that
    // matches, or null.
    const CMessageMap::Entry* FindCommandEntry(UINT nID, int nCode) const;
    const CMessageMap::Entry* FindNotifyEntry(UINT nID, int nCode) const;
    const CMessageMap::Entry* FindMessageEntry(UINT nMessage, int nCode) const;
};
