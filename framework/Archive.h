#pragma once

#include <unordered_map>
#include <vector>
#include <windef.h>

#include "framework/FrameworkAllocator.h"
#include "framework/String.h"

class CFile;
class CObject;
struct CRuntimeClass;

// Binary archive over a CFile, in the established on-disk format that stored
// files depend on: little-endian integers, IEEE floats, strings with a length
// prefix, counts, and object records with class names and schema numbers
// (see Archive.cpp for the byte forms).
//
// Every failure is a CArchiveException* (or the file's CFileException*):
// endOfFile when the data ends before what is read, readOnly / writeOnly for
// the wrong direction, badIndex / badClass / badSchema for bad object records.
// Reading never allocates for a length larger than the bytes left to read.
//
// The archive does not own the file. Close() (or the destructor) flushes a
// storing archive; call Close() to learn of write errors, which the
// destructor has to swallow.
class CArchive
{
public:
    enum Mode : UINT
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2
    };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    ~CArchive();

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }

    // Storing: writes the buffer to the file. Loading: puts the file back to
    // the archive's logical position and empties the buffer.
    void Flush();
    // Flushes and detaches from the file; the archive is unusable afterwards.
    void Close();
    // Detaches without flushing and without throwing.
    void Abort();

    // Reads exactly nCount bytes (endOfFile when fewer are left); returns nCount.
    UINT Read(void* lpBuf, UINT nCount);
    void Write(const void* lpBuf, UINT nCount);

    // Bytes left to read: what the buffer holds plus the rest of the file.
    DWORD GetBytesRemaining() const;
    // endOfFile unless at least cbNeeded bytes are left to read; call it
    // before allocating for a length or count read from the archive.
    void CheckRemaining(ULONGLONG cbNeeded) const;

    // A count: 16 bits below 0xFFFF, else 0xFFFF and 32 bits.
    DWORD ReadCount();
    void WriteCount(DWORD dwCount);

    // Object records. ReadObject creates the object (its class must have been
    // registered with IMPLEMENT_SERIAL) or returns the one read before; with
    // pClassRefRequested, a record of any other class is badClass. The caller
    // owns what ReadObject returns the first time. A reference to an object whose
    // record is not yet complete is badIndex; records nested deeper than
    // kMaxObjectDepth are generic (the reader would run out of stack).
    enum
    {
        kMaxObjectDepth = 256
    };
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    void WriteObject(const CObject* pOb);

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(char ch);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(short n);
    CArchive& operator<<(UINT u);
    CArchive& operator<<(int n);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);
    CArchive& operator<<(const CObject* pOb)
    {
        WriteObject(pOb);
        return *this;
    }

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(char& ch);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(short& n);
    CArchive& operator>>(UINT& u);
    CArchive& operator>>(int& n);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);
    CArchive& operator>>(CObject*& pOb)
    {
        pOb = ReadObject(nullptr);
        return *this;
    }

private:
    // One entry of the loading map: a class, an object, or (index 0) null. An object whose
    // record is still being read may not be referred to: it would contain itself.
    struct LoadEntry
    {
        CRuntimeClass* pClass;
        CObject* pObject;
        bool bReading;
    };

    void CheckLoading() const;
    void CheckStoring() const;
    void FillBuffer();
    void WriteUInt(DWORD value, UINT cb);
    DWORD ReadUInt(UINT cb);
    void WriteClass(const CRuntimeClass* pClass);
    void WriteMapIndex(DWORD nIndex, DWORD dwClassFlag);
    CRuntimeClass* LoadClass();
    DWORD NextMapIndex();
    [[noreturn]] void Throw(int cause) const;

    CFile* m_pFile;
    UINT m_nMode;
    CString m_strFileName;
    std::vector<BYTE, CFrameworkAllocator<BYTE>> m_buffer;
    size_t m_nBufPos = 0;   // loading: next byte to read; storing: bytes pending
    size_t m_nBufEnd = 0;   // loading: end of the valid data
    DWORD m_nMapCount = 1;  // next map index; 0 stands for null
    int m_nReadDepth = 0;   // object records being read, one inside the other
    std::unordered_map<const void*, DWORD, std::hash<const void*>, std::equal_to<const void*>,
                       CFrameworkAllocator<std::pair<const void* const, DWORD>>>
        m_storeMap;
    std::vector<LoadEntry, CFrameworkAllocator<LoadEntry>> m_loadArray;
};

// A string: the length as one byte below 255, else 0xFF and 16 bits below
// 0xFFFE, else 0xFF, 0xFFFF and 32 bits; then the chars without a NUL.
CArchive& operator<<(CArchive& ar, const CString& string);
CArchive& operator>>(CArchive& ar, CString& string);
