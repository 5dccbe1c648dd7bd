#include "framework/DialogTemplate.h"

#include <windows.h>

#include <cstring>

#include "framework/WinApp.h"

CDialogTemplate::CDialogTemplate(UINT nIDTemplate)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDTemplate), MAKEINTRESOURCEA(5));
    HGLOBAL hData = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const void* pData = hData != nullptr ? ::LockResource(hData) : nullptr;
    const DWORD cbSize = hResource != nullptr ? ::SizeofResource(hInst, hResource) : 0;
    if (pData == nullptr || cbSize < sizeof(DLGTEMPLATE))
        return;
    // The dialog manager reads the copy with DWORD alignment rules of its own;
    // a vector's buffer is aligned for any scalar.
    m_bytes.resize(cbSize);
    std::memcpy(m_bytes.data(), pData, cbSize);
}

size_t CDialogTemplate::StyleOffset() const
{
    WORD version = 0;
    WORD signature = 0;
    std::memcpy(&version, m_bytes.data(), sizeof version);
    std::memcpy(&signature, m_bytes.data() + 2, sizeof signature);
    const BOOL bExtended = version == 1 && signature == 0xFFFF;
    return bExtended ? 12 : 0;
}

DWORD CDialogTemplate::GetStyle() const
{
    DWORD dwStyle = 0;
    std::memcpy(&dwStyle, m_bytes.data() + StyleOffset(), sizeof dwStyle);
    return dwStyle;
}

void CDialogTemplate::SetStyle(DWORD dwStyle)
{
    std::memcpy(m_bytes.data() + StyleOffset(), &dwStyle, sizeof dwStyle);
}
