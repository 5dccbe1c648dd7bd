#pragma once

#include <windef.h>

// Selects a GDI object into a device context for the guard's life and then puts back the
// object it replaced, so that the caller may delete its own object afterwards. A null object
// selects nothing.
class CSelectedObject
{
public:
    CSelectedObject(HDC hDC, HGDIOBJ hObject);
    ~CSelectedObject();
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};
