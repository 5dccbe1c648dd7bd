#pragma once

#include "database/CustObArray.h"

class RefListItem;

// The references and media links of a recipe or meal plan.
class CRefItemArray : public CCustObArray
{
public:
    CRefItemArray() = default;
    CRefItemArray(const CRefItemArray& other) = default;
    CRefItemArray& operator=(const CRefItemArray& other) = default;

    // Replaces the elements with copies of the other array's.
    void Copy(const CRefItemArray& other) { *this = other; }
    RefListItem* GetRefAt(int index) const;

protected:
    const CRuntimeClass* GetElementClass() const override;
};
