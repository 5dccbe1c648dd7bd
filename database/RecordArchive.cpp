#include "database/RecordArchive.h"

#include "database/RecordId.h"
#include "framework/Archive.h"

namespace
{
const UINT kIdBytes = 7;
}

void WriteRecordId(CArchive& ar, const CRecordId& id)
{
    ar.Write(id.GetText(), kIdBytes);
}

void ReadRecordId(CArchive& ar, CRecordId& id)
{
    char text[kIdBytes];
    ar.Read(text, kIdBytes);
    // A damaged id must still end in a NUL.
    text[kIdBytes - 1] = '\0';
    id = CRecordId(CString(text));
}
