#include "shell/controls/DropQuery.h"

#include <windows.h>

#include "shell/formbase/FormManager.h"

namespace {

constexpr int ShoppingFormKind = 7;
constexpr int ContentsFormKind = 11;
constexpr LONG FrequentItemsCommand = 800;
constexpr LONG PantryCommand = 801;

DropFormStateProvider g_formStateProvider = nullptr;

bool TakesAnyDrop(int formKind)
{
    switch (formKind)
    {
    case 3:
    case 4:
    case 5:
    case 6:
    case 9:
    case 12:
    case 13:
    case 14:
    case 15: return true;
    default: return false;
    }
}

bool TakesDrop(const DropFormState& state, LONG command, bool isToolbarButton)
{
    if (TakesAnyDrop(state.formKind))
        return true;
    if (state.formKind == ContentsFormKind)
        return state.contentsMode == 1 || state.contentsMode == 2;
    if (state.formKind == ShoppingFormKind)
        return isToolbarButton && (command == FrequentItemsCommand || command == PantryCommand);
    return false;
}

}  // namespace

UINT GetDropQueryMessage()
{
    static const UINT message = ::RegisterWindowMessageA("WM_DROPQUERY");
    return message;
}

const UINT g_nDropQueryMessage = GetDropQueryMessage();

LRESULT AskDropTarget(POINT screenPoint)
{
    HWND target = ::WindowFromPoint(screenPoint);
    if (target == nullptr)
        return 0;
    DWORD process = 0;
    ::GetWindowThreadProcessId(target, &process);
    if (process != ::GetCurrentProcessId())
        return 0;
    LRESULT answer = ::SendMessageA(target, GetDropQueryMessage(), 0, 0);
    return answer > 0 ? answer : 0;
}

LRESULT EndDragAt(POINT screenPoint)
{
    ::ClipCursor(nullptr);
    ::ReleaseCapture();
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    return AskDropTarget(screenPoint);
}

void ShowDragCursor(UINT cursorId)
{
    ::SetCursor(::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(cursorId)));
}

void SetDropFormStateProvider(DropFormStateProvider provider)
{
    g_formStateProvider = provider;
}

DropFormState GetDropFormState()
{
    if (g_formStateProvider)
        return g_formStateProvider();
    if (g_pFormManager)
        return {static_cast<int>(g_pFormManager->GetCurrentKind()),
                static_cast<int>(g_pFormManager->GetContentsMode())};
    return {0, 0};
}

LRESULT AnswerDropQuery(LONG command, bool isToolbarButton)
{
    return TakesDrop(GetDropFormState(), command, isToolbarButton) ? command : 0;
}
