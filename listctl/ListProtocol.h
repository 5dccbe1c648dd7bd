#pragma once
// What a Lumbra list control and the window hosting it say to each other: the control
// messages, the parent queries and notices, the request block and the private style bits.
// Hosts include this at source level; nothing here needs <windows.h>.

#include <cstdint>

// Control messages, sent to the control (WM_USER + 500 ... + 523).
constexpr unsigned LCM_RESETCONTENT = 1524;
constexpr unsigned LCM_SELECT = 1525;  // wParam: LCN_GETFIRST..LCN_GETAT, lParam: item
constexpr unsigned LCM_GETCURSEL = 1526;
constexpr unsigned LCM_GETTEXT = 1527;  // wParam: size of the buffer at pszText
constexpr unsigned LCM_GETTEXTLEN = 1528;
constexpr unsigned LCM_GETCOUNT = 1529;
constexpr unsigned LCM_SELECTITEMEX = 1530;
constexpr unsigned LCM_FINDITEM = 1531;
constexpr unsigned LCM_GETITEMRECT = 1532;  // pszText points at a RECT
constexpr unsigned LCM_GETITEMDATA = 1533;
constexpr unsigned LCM_SETITEMDATA = 1534;    // the new value in itemID
constexpr unsigned LCM_SETITEMHEIGHT = 1535;  // lParam: row height in pixels
constexpr unsigned LCM_GETITEMHEIGHT = 1536;
constexpr unsigned LCM_FINDITEMEX = 1537;
constexpr unsigned LCM_INIT = 1538;
constexpr unsigned LCM_SETTABSTOPS = 1539;
constexpr unsigned LCM_GETTOPINDEX = 1540;
constexpr unsigned LCM_ENSUREVISIBLE = 1541;  // lParam: item
constexpr unsigned LCM_GETHORIZONTALEXTENT = 1542;
constexpr unsigned LCM_SETHORIZONTALEXTENT = 1543;  // wParam: extent in pixels
constexpr unsigned LCM_REFRESH = 1544;
constexpr unsigned LCM_GETVISIBLEROWS = 1545;
constexpr unsigned LCM_PAGEDOWN = 1546;  // wParam: lines beyond one page (may be < 0)
constexpr unsigned LCM_PAGEUP = 1547;

// Mouse messages of the control's list relayed to the parent with their own parameters.
constexpr unsigned LCN_LBUTTONDOWN = 1614;
constexpr unsigned LCN_LBUTTONUP = 1615;
constexpr unsigned LCN_MOUSEMOVE = 1616;  // a reply of 0 swallows the move
constexpr unsigned LCN_RBUTTONDOWN = 1617;

// Parent queries: wParam 0, lParam the control's LCITEMREQUEST; nError 0 answers them.
constexpr unsigned LCN_FINDITEM = 1624;
constexpr unsigned LCN_FINDITEMEX = 1625;
constexpr unsigned LCN_SPARE = 1626;
constexpr unsigned LCN_GETITEMDATA = 1627;
constexpr unsigned LCN_GETTEXT = 1628;
constexpr unsigned LCN_GETTEXTLEN = 1629;  // the length is the reply value
constexpr unsigned LCN_GETFIRST = 1630;
constexpr unsigned LCN_GETPREV = 1631;
constexpr unsigned LCN_GETNEXT = 1632;
constexpr unsigned LCN_GETLAST = 1633;
constexpr unsigned LCN_GETAT = 1634;
constexpr unsigned LCN_GETCOUNT = 1635;  // the count in itemID
constexpr unsigned LCN_GETATPERCENT = 1636;

// Notices: wParam the control id; lParam the dropped row's key or index, or 0.
constexpr unsigned LCN_ITEMDROPPED = 1724;
constexpr unsigned LCN_RESETCONTENT = 1725;

// Private style bits beside the list-box styles.
constexpr unsigned long LCS_3DBORDER = 0x4000;
constexpr unsigned long LCS_KEYED = 0x8000;

// One item between control and parent. In a caller's block for the item messages the item
// (key in keyed mode, else absolute index) goes in itemData.
struct LCITEMREQUEST
{
    std::uint32_t CtlID;
    std::int32_t nError;
    std::uint32_t itemData;
    std::int32_t itemID;
    char* pszText;
    std::uint32_t lExtra;
};

static_assert(sizeof(void*) != 4 || sizeof(LCITEMREQUEST) == 24, "the request block is 24 bytes on the 32-bit target");
