#include "database/RecordArchive.h"

#include <cctype>

#include "database/RecordId.h"
#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "framework/File.h"

namespace
{
const UINT kIdBytes = 7;

// An id goes into statements as it stands: anything but six digits marks a damaged archive.
bool IsSixDigits(const char* text)
{
    for (UINT i = 0; i + 1 < kIdBytes; ++i)
    {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
    }
    return text[kIdBytes - 1] == '\0';
}
}

void WriteRecordId(CArchive& ar, const CRecordId& id)
{
    ar.Write(id.GetText(), kIdBytes);
}

void ReadRecordId(CArchive& ar, CRecordId& id)
{
    char text[kIdBytes];
    ar.Read(text, kIdBytes);
    if (!IsSixDigits(text))
        AfxThrowArchiveException(CArchiveException::badIndex, ar.GetFile()->GetFilePath());
    id = CRecordId(CString(text));
}
