#pragma once

#include <memory>
#include <windef.h>

#include "framework/AnsiNames.h"
#include "framework/Object.h"

// Owner of one GDI object handle: deleted with the wrapper unless detached.
// FromHandle of each subclass gives a borrowed wrapper that never deletes
// its handle and lives until the application's next idle clean-up.
class CGdiObject : public CObject
{
    DECLARE_DYNAMIC(CGdiObject)
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    CGdiObject(CGdiObject&& other) noexcept;
    CGdiObject& operator=(CGdiObject&& other) noexcept;
    ~CGdiObject() override;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    // Stock objects belong to the system: the wrapper only borrows them.
    BOOL CreateStockObject(int nIndex);
    int GetObject(int nCount, void* lpObject) const;

    static void DeleteTempMap();

protected:
    template <class T>
    static T* TempFromHandle(HGDIOBJ hObject)
    {
        if (hObject == nullptr)
            return nullptr;
        auto pTemp = std::make_unique<T>();
        T* pResult = pTemp.get();
        pResult->m_hObject = hObject;
        pResult->m_bBorrowed = TRUE;
        KeepTemp(std::move(pTemp));
        return pResult;
    }

private:
    static void KeepTemp(std::unique_ptr<CGdiObject> pTemp);

    BOOL m_bBorrowed = FALSE;
};
