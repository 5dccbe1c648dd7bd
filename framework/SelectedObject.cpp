#include "framework/SelectedObject.h"

#include <windows.h>

CSelectedObject::CSelectedObject(HDC hDC, HGDIOBJ hObject)
    : m_hDC(hDC), m_hPrevious(hObject != nullptr ? ::SelectObject(hDC, hObject) : nullptr)
{
}

CSelectedObject::~CSelectedObject()
{
    if (m_hPrevious != nullptr)
        ::SelectObject(m_hDC, m_hPrevious);
}
