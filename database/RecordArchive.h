#pragma once

class CArchive;
class CRecordId;

// A record id travels in archives as its seven raw bytes: six digits and a NUL.
void WriteRecordId(CArchive& ar, const CRecordId& id);
void ReadRecordId(CArchive& ar, CRecordId& id);
