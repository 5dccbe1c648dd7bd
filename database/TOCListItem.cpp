#include "database/TOCListItem.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(TOCListItem, CListItem, 5)

TOCListItem::TOCListItem(const char* name, unsigned long number, char type) : CListItem(name, number, type) {}

CItem* TOCListItem::Clone() const
{
    return new TOCListItem(*this);
}
