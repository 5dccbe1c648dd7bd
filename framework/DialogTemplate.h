#pragma once

#include <vector>
#include <windef.h>

// A copy of a dialog template resource that can be changed before use.
class CDialogTemplate
{
public:
    // Empty when the program has no dialog nIDTemplate.
    explicit CDialogTemplate(UINT nIDTemplate);

    BOOL IsEmpty() const { return m_bytes.empty(); }
    const void* GetData() const { return m_bytes.data(); }
    DWORD GetStyle() const;
    void SetStyle(DWORD dwStyle);

private:
    // Offset of the style field: DIALOGEX templates carry it after a header.
    size_t StyleOffset() const;

    std::vector<BYTE> m_bytes;
};
