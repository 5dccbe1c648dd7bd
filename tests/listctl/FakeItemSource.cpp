#include "FakeItemSource.h"

#include <cstdio>

bool CFakeItemSource::Handle(UINT message, WPARAM, LPARAM lParam, LRESULT& reply)
{
    if (message == LCN_ITEMDROPPED || message == LCN_RESETCONTENT)
    {
        log.push_back({message, static_cast<DWORD>(lParam), 0});
        reply = 0;
        return true;
    }
    if (message < LCN_FINDITEM || message > LCN_GETATPERCENT)
        return false;
    auto& request = *reinterpret_cast<LCITEMREQUEST*>(lParam);
    log.push_back({message, request.itemData, request.itemID});
    request.nError = -1;
    reply = 0;
    if (failAll || failing.count(message))
        return true;
    return Answer(message, request, reply);
}

bool CFakeItemSource::Answer(UINT message, LCITEMREQUEST& request, LRESULT& reply)
{
    switch (message)
    {
    case LCN_GETCOUNT:
        if (countKnown)
        {
            request.itemID = count;
            request.nError = 0;
        }
        return true;
    case LCN_GETFIRST: Found(0, request); return true;
    case LCN_GETLAST: Found(count - 1, request); return true;
    case LCN_GETNEXT: Found(ReferenceIndex(request) + 1, request); return true;
    case LCN_GETPREV: Found(ReferenceIndex(request) - 1, request); return true;
    case LCN_GETAT:
    case LCN_GETITEMDATA:
    case LCN_GETTEXT: Found(ReferenceIndex(request), request); return true;
    case LCN_GETTEXTLEN:
        if (Found(ReferenceIndex(request), request))
            reply = static_cast<LRESULT>(m_text.size());
        return true;
    case LCN_GETATPERCENT:
        Found(static_cast<int>(request.itemID * static_cast<long long>(count - 1) / 100), request);
        return true;
    case LCN_FINDITEM:
    case LCN_FINDITEMEX: Found(static_cast<int>(request.lExtra), request); return true;
    }
    return true;
}

bool CFakeItemSource::Found(int index, LCITEMREQUEST& request)
{
    if (index < 0 || index >= count)
        return false;
    m_text = TextOf(index);
    request.itemData = static_cast<DWORD>(index) + keyOffset;
    request.itemID = index;
    request.pszText = &m_text[0];
    request.nError = 0;
    return true;
}

int CFakeItemSource::ReferenceIndex(const LCITEMREQUEST& request) const
{
    return keyed ? static_cast<int>(request.itemData - keyOffset) : request.itemID;
}

std::vector<UINT> CFakeItemSource::Queries() const
{
    std::vector<UINT> queries;
    for (const ListTraffic& entry : log)
    {
        if (entry.message != LCN_ITEMDROPPED && entry.message != LCN_RESETCONTENT)
            queries.push_back(entry.message);
    }
    return queries;
}

std::vector<DWORD> CFakeItemSource::Dropped() const
{
    std::vector<DWORD> dropped;
    for (const ListTraffic& entry : log)
    {
        if (entry.message == LCN_ITEMDROPPED)
            dropped.push_back(entry.key);
    }
    return dropped;
}

std::string CFakeItemSource::TextOf(int index)
{
    char text[32];
    std::snprintf(text, sizeof text, "Item %d", index);
    return text;
}
