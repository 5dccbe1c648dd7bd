#include "framework/CmdTarget.h"

#include <windows.h>

#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const CMessageMap* CCmdTarget::GetThisMessageMap()
{
    static const CMessageMap::Entry s_entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const CMessageMap s_map = {nullptr, s_entries};
    return &s_map;
}

const CMessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

namespace {

template <typename Match>
const CMessageMap::Entry* FindEntry(const CMessageMap* pMap, Match matches)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const CMessageMap::Entry* pEntry = pMap->pEntries; pEntry->pfn != nullptr; ++pEntry)
        {
            if (matches(*pEntry))
                return pEntry;
        }
    }
    return nullptr;
}

}  // namespace

const CMessageMap::Entry* CCmdTarget::FindCommandEntry(UINT nID, int nCode) const
{
    return FindEntry(GetMessageMap(), [=](const CMessageMap::Entry& e) {
        return e.nMessage == WM_COMMAND && e.nCode == nCode && nID >= e.nID && nID <= e.nLastID;
    });
}

const CMessageMap::Entry* CCmdTarget::FindNotifyEntry(UINT nID, int nCode) const
{
    return FindEntry(GetMessageMap(), [=](const CMessageMap::Entry& e) {
        return e.nMessage == WM_NOTIFY && e.nCode == nCode && nID >= e.nID && nID <= e.nLastID;
    });
}

const CMessageMap::Entry* CCmdTarget::FindMessageEntry(UINT nMessage, int nCode) const
{
    return FindEntry(GetMessageMap(), [=](const CMessageMap::Entry& e) {
        if (e.nMessage == CMessageMap::kRegistered)
            return e.pRegistered != nullptr && *e.pRegistered == nMessage && nMessage != 0;
        return e.nMessage == nMessage && e.nCode == nCode;
    });
}

BOOL CCmdTarget::OnCmdMsg(Call& call)
{
    const CMessageMap::Entry* pEntry = FindCommandEntry(call.nID, call.nCode);
    if (pEntry == nullptr)
        return FALSE;
    if (!call.bProbe)
    {
        const CMessageMap::Args args = {WM_COMMAND, MAKEWPARAM(call.nID, call.nCode), call.lParam, call.nID,
                                        call.pCmdUI};
        call.lResult = pEntry->pfn(this, args);
    }
    return TRUE;
}

void CCmdTarget::BeginWaitCursor()
{
    AfxGetApp()->BeginWaitCursor();
}

void CCmdTarget::EndWaitCursor()
{
    AfxGetApp()->EndWaitCursor();
}
