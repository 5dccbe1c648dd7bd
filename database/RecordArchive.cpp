#include "database/RecordArchive.h"

#include <cctype>

#include "database/RecordId.h"
#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "framework/File.h"
#include "framework/String.h"

namespace {
const UINT kIdBytes = 7;

// An id goes into statements as it stands: anything but six digits marks a damaged archive.
bool IsSixDigits(const char* text, size_t length)
{
    if (length != kIdBytes - 1)
        return false;
    for (size_t i = 0; i < length; ++i)
    {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
    }
    return true;
}
}  // namespace

void WriteRecordId(CArchive& ar, const CRecordId& id)
{
    ar.Write(id.GetText(), kIdBytes);
}

void ReadRecordId(CArchive& ar, CRecordId& id)
{
    char text[kIdBytes];
    ar.Read(text, kIdBytes);
    if (text[kIdBytes - 1] != '\0')
        AfxThrowArchiveException(CArchiveException::badIndex, ar.GetFile()->GetFilePath());
    SetArchivedRecordId(ar, CString(text), id);
}

void SetArchivedRecordId(CArchive& ar, const CString& text, CRecordId& id)
{
    if (!IsSixDigits(text, static_cast<size_t>(text.GetLength())))
        AfxThrowArchiveException(CArchiveException::badIndex, ar.GetFile()->GetFilePath());
    id = CRecordId(text);
}

void SerializeNamedRecord(CArchive& ar, CString& name, CRecordId& id, LONG& value)
{
    if (ar.IsStoring())
    {
        ar << name;
        WriteRecordId(ar, id);
        ar << value;
    }
    else
    {
        ar >> name;
        ReadRecordId(ar, id);
        ar >> value;
    }
}
