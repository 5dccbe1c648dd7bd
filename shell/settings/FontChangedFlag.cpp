#include "shell/settings/FontChangedFlag.h"

namespace {

BOOL s_fontChanged = FALSE;

}  // namespace

BOOL HasFontChanged()
{
    return s_fontChanged;
}

void SetFontChanged(BOOL bChanged)
{
    s_fontChanged = bChanged;
}
