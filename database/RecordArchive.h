#pragma once

#include <windef.h>

class CArchive;
class CRecordId;
class CString;

// A record id travels in archives as its seven raw bytes: six digits and a NUL.
void WriteRecordId(CArchive& ar, const CRecordId& id);
// Raises the archive exception (badIndex) for bytes that are not six digits and a NUL.
void ReadRecordId(CArchive& ar, CRecordId& id);
// An id an archive holds as a string: the same check.
void SetArchivedRecordId(CArchive& ar, const CString& text, CRecordId& id);
// The body named list entries share: a name, a record id and a value.
void SerializeNamedRecord(CArchive& ar, CString& name, CRecordId& id, LONG& value);
