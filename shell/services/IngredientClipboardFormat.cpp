#include "shell/services/IngredientClipboardFormat.h"

#include <windows.h>

#include "framework/String.h"
#include "res/resource.h"

namespace {

UINT& Format()
{
    static UINT s_format = 0;
    return s_format;
}

}  // namespace

void RegisterIngredientClipboardFormat()
{
    CString name;
    name.LoadString(IDS_CLIPBOARD_INGREDIENT);
    Format() = ::RegisterClipboardFormatA(name);
}

unsigned int GetIngredientClipboardFormat()
{
    return Format();
}
