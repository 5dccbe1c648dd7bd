#pragma once
// An item source for list-control tests: answers a control's parent queries over a list of
// `count` items whose keys are their index plus keyOffset, and logs every query and notice.

#include "listctl/ListProtocol.h"

#include <set>
#include <string>
#include <vector>

#include <windows.h>

struct ListTraffic
{
    UINT message;
    DWORD key;  // itemData of a query; lParam of a notice
    int index;  // itemID of a query
};

class CFakeItemSource
{
public:
    // Answers a query or logs a notice; false for any other message.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& reply);

    std::vector<UINT> Queries() const;   // the query messages in order, notices left out
    std::vector<DWORD> Dropped() const;  // what LCN_ITEMDROPPED announced
    int QueryCount() const { return static_cast<int>(Queries().size()); }
    void ClearLog() { log.clear(); }
    static std::string TextOf(int index);

    int count = 0;
    bool countKnown = true;
    bool keyed = false;  // references and GETAT items are keys, not indices
    DWORD keyOffset = 0;
    std::set<UINT> failing;  // queries answered with an error
    bool failAll = false;
    std::vector<ListTraffic> log;

private:
    bool Answer(UINT message, LCITEMREQUEST& request, LRESULT& reply);
    bool Found(int index, LCITEMREQUEST& request);
    int ReferenceIndex(const LCITEMREQUEST& request) const;

    std::string m_text;
};
