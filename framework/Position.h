#pragma once

// Opaque iteration position of the framework's lists and maps: it names one
// element (null: none), and stays valid until that element is removed.
struct CPositionTag;
typedef CPositionTag* POSITION;
