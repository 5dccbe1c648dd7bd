#include "framework/Archive.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>
#include <windows.h>

#include "framework/ArchiveException.h"
#include "framework/File.h"
#include "framework/Object.h"

// Object records of the established format. Every record starts with a
// 16-bit tag:
//   0x0000           the null object;
//   0xFFFF           a class not seen before in this archive: schema (16),
//                    name length (16), name chars; then a new object of it;
//   0x8000 | index   a class seen before, then a new object of it;
//   index            an object stored before (index below 0x7FFF);
//   0x7FFF           a big index follows as 32 bits, 0x80000000 set for a class.
// Classes and objects share one index counter from 1, in order of first
// appearance (a new class takes an index, then its new object the next).
namespace {
const WORD kNullTag = 0;
const WORD kNewClassTag = 0xFFFF;
const WORD kClassTag = 0x8000;
const WORD kBigObjectTag = 0x7FFF;
const DWORD kBigClassTag = 0x80000000;
const DWORD kMaxMapCount = 0x3FFFFFFE;
// Longer names than this are damage: no registered class has one.
const WORD kMaxClassName = 64;
const int kMinBufferSize = 128;
}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile), m_nMode(nMode), m_strFileName(pFile != nullptr ? pFile->GetFilePath() : CString())
{
    m_buffer.resize(static_cast<size_t>(std::max(nBufSize, kMinBufferSize)));
    m_loadArray.push_back(LoadEntry{nullptr, nullptr, false});
}

CArchive::~CArchive()
{
    if (m_pFile == nullptr)
        return;
    // Flushing here would hide a write error, so Close() is the normal way;
    // while an exception unwinds the half-written data is not flushed at all.
    if ((m_nMode & bNoFlushOnDelete) == 0 && std::uncaught_exceptions() == 0)
    {
        try
        {
            Flush();
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    m_pFile = nullptr;
}

void CArchive::Flush()
{
    if (m_pFile == nullptr)
        return;
    if (IsStoring())
    {
        const size_t pending = std::exchange(m_nBufPos, 0);
        m_pFile->Write(m_buffer.data(), static_cast<UINT>(pending));
    }
    else if (m_nBufEnd > m_nBufPos)
    {
        m_pFile->Seek(-static_cast<LONG>(m_nBufEnd - m_nBufPos), CFile::current);
        m_nBufPos = m_nBufEnd = 0;
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
    m_nBufPos = m_nBufEnd = 0;
}

void CArchive::CheckLoading() const
{
    if (m_pFile == nullptr)
        Throw(CArchiveException::generic);
    if (!IsLoading())
        Throw(CArchiveException::writeOnly);
}

void CArchive::CheckStoring() const
{
    if (m_pFile == nullptr)
        Throw(CArchiveException::generic);
    if (!IsStoring())
        Throw(CArchiveException::readOnly);
}

void CArchive::Throw(int cause) const
{
    AfxThrowArchiveException(cause, m_strFileName);
}

void CArchive::FillBuffer()
{
    m_nBufPos = 0;
    m_nBufEnd = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
}

UINT CArchive::Read(void* lpBuf, UINT nCount)
{
    CheckLoading();
    BYTE* pDest = static_cast<BYTE*>(lpBuf);
    UINT nLeft = nCount;
    while (nLeft > 0)
    {
        if (m_nBufPos == m_nBufEnd)
        {
            // Large reads go straight to the caller's memory.
            if (nLeft >= m_buffer.size())
            {
                const UINT nRead = m_pFile->Read(pDest, nLeft);
                if (nRead == 0)
                    Throw(CArchiveException::endOfFile);
                pDest += nRead;
                nLeft -= nRead;
                continue;
            }
            FillBuffer();
            if (m_nBufEnd == 0)
                Throw(CArchiveException::endOfFile);
        }
        const UINT nChunk = static_cast<UINT>(std::min<size_t>(nLeft, m_nBufEnd - m_nBufPos));
        std::memcpy(pDest, m_buffer.data() + m_nBufPos, nChunk);
        m_nBufPos += nChunk;
        pDest += nChunk;
        nLeft -= nChunk;
    }
    return nCount;
}

void CArchive::Write(const void* lpBuf, UINT nCount)
{
    CheckStoring();
    if (nCount > m_buffer.size() - m_nBufPos)
    {
        Flush();
        if (nCount >= m_buffer.size())
        {
            m_pFile->Write(lpBuf, nCount);
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_nBufPos, lpBuf, nCount);
    m_nBufPos += nCount;
}

DWORD CArchive::GetBytesRemaining() const
{
    CheckLoading();
    const DWORD length = m_pFile->GetLength();
    const DWORD position = m_pFile->GetPosition();
    return static_cast<DWORD>(m_nBufEnd - m_nBufPos) + (length > position ? length - position : 0);
}

void CArchive::CheckRemaining(ULONGLONG cbNeeded) const
{
    // Most checks are of short strings already in the buffer: no file calls.
    if (IsLoading() && cbNeeded <= m_nBufEnd - m_nBufPos)
        return;
    if (cbNeeded > GetBytesRemaining())
        Throw(CArchiveException::endOfFile);
}

void CArchive::WriteUInt(DWORD value, UINT cb)
{
    BYTE bytes[4];
    for (UINT i = 0; i < cb; ++i)
        bytes[i] = static_cast<BYTE>(value >> (8 * i));
    Write(bytes, cb);
}

DWORD CArchive::ReadUInt(UINT cb)
{
    BYTE bytes[4];
    Read(bytes, cb);
    DWORD value = 0;
    for (UINT i = 0; i < cb; ++i)
        value |= static_cast<DWORD>(bytes[i]) << (8 * i);
    return value;
}

CArchive& CArchive::operator<<(BYTE by)
{
    WriteUInt(by, 1);
    return *this;
}
CArchive& CArchive::operator<<(char ch)
{
    WriteUInt(static_cast<BYTE>(ch), 1);
    return *this;
}
CArchive& CArchive::operator<<(WORD w)
{
    WriteUInt(w, 2);
    return *this;
}
CArchive& CArchive::operator<<(short n)
{
    WriteUInt(static_cast<WORD>(n), 2);
    return *this;
}
CArchive& CArchive::operator<<(UINT u)
{
    WriteUInt(u, 4);
    return *this;
}
CArchive& CArchive::operator<<(int n)
{
    WriteUInt(static_cast<DWORD>(n), 4);
    return *this;
}
CArchive& CArchive::operator<<(DWORD dw)
{
    WriteUInt(dw, 4);
    return *this;
}
CArchive& CArchive::operator<<(LONG l)
{
    WriteUInt(static_cast<DWORD>(l), 4);
    return *this;
}

CArchive& CArchive::operator<<(float f)
{
    DWORD bits;
    static_assert(sizeof bits == sizeof f, "IEEE single precision");
    std::memcpy(&bits, &f, sizeof bits);
    WriteUInt(bits, 4);
    return *this;
}

CArchive& CArchive::operator<<(double d)
{
    BYTE bytes[8];
    static_assert(sizeof bytes == sizeof d, "IEEE double precision");
    // x86 is little-endian: the in-memory bytes are the stored order.
    std::memcpy(bytes, &d, sizeof bytes);
    Write(bytes, sizeof bytes);
    return *this;
}

CArchive& CArchive::operator>>(BYTE& by)
{
    by = static_cast<BYTE>(ReadUInt(1));
    return *this;
}
CArchive& CArchive::operator>>(char& ch)
{
    ch = static_cast<char>(ReadUInt(1));
    return *this;
}
CArchive& CArchive::operator>>(WORD& w)
{
    w = static_cast<WORD>(ReadUInt(2));
    return *this;
}
CArchive& CArchive::operator>>(short& n)
{
    n = static_cast<short>(ReadUInt(2));
    return *this;
}
CArchive& CArchive::operator>>(UINT& u)
{
    u = ReadUInt(4);
    return *this;
}
CArchive& CArchive::operator>>(int& n)
{
    n = static_cast<int>(ReadUInt(4));
    return *this;
}
CArchive& CArchive::operator>>(DWORD& dw)
{
    dw = ReadUInt(4);
    return *this;
}
CArchive& CArchive::operator>>(LONG& l)
{
    l = static_cast<LONG>(ReadUInt(4));
    return *this;
}

CArchive& CArchive::operator>>(float& f)
{
    const DWORD bits = ReadUInt(4);
    std::memcpy(&f, &bits, sizeof f);
    return *this;
}

CArchive& CArchive::operator>>(double& d)
{
    BYTE bytes[8];
    Read(bytes, sizeof bytes);
    std::memcpy(&d, bytes, sizeof d);
    return *this;
}

DWORD CArchive::ReadCount()
{
    const WORD wCount = static_cast<WORD>(ReadUInt(2));
    return wCount != 0xFFFF ? wCount : ReadUInt(4);
}

void CArchive::WriteCount(DWORD dwCount)
{
    if (dwCount < 0xFFFF)
    {
        WriteUInt(dwCount, 2);
    }
    else
    {
        WriteUInt(0xFFFF, 2);
        WriteUInt(dwCount, 4);
    }
}

DWORD CArchive::NextMapIndex()
{
    if (m_nMapCount >= kMaxMapCount)
        Throw(CArchiveException::badIndex);
    return m_nMapCount++;
}

void CArchive::WriteMapIndex(DWORD nIndex, DWORD dwClassFlag)
{
    if (nIndex < kBigObjectTag)
    {
        WriteUInt(nIndex | (dwClassFlag != 0 ? kClassTag : 0), 2);
    }
    else
    {
        WriteUInt(kBigObjectTag, 2);
        WriteUInt(nIndex | dwClassFlag, 4);
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClass)
{
    if (pClass->m_wSchema == CRuntimeClass::kNoSchema)
        Throw(CArchiveException::badClass);
    const auto found = m_storeMap.find(pClass);
    if (found != m_storeMap.end())
    {
        WriteMapIndex(found->second, kBigClassTag);
        return;
    }
    const WORD nNameLength = static_cast<WORD>(std::strlen(pClass->m_lpszClassName));
    WriteUInt(kNewClassTag, 2);
    WriteUInt(pClass->m_wSchema, 2);
    WriteUInt(nNameLength, 2);
    Write(pClass->m_lpszClassName, nNameLength);
    m_storeMap[pClass] = NextMapIndex();
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (pOb == nullptr)
    {
        WriteUInt(kNullTag, 2);
        return;
    }
    const auto found = m_storeMap.find(pOb);
    if (found != m_storeMap.end())
    {
        WriteMapIndex(found->second, 0);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    m_storeMap[pOb] = NextMapIndex();
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::LoadClass()
{
    const UINT nSchema = ReadUInt(2);
    const WORD nNameLength = static_cast<WORD>(ReadUInt(2));
    if (nNameLength >= kMaxClassName)
        Throw(CArchiveException::badClass);
    char szClassName[kMaxClassName];
    Read(szClassName, nNameLength);
    szClassName[nNameLength] = '\0';

    CRuntimeClass* pClass = CRuntimeClass::FromName(szClassName);
    if (pClass == nullptr || pClass->m_pfnCreateObject == nullptr)
        Throw(CArchiveException::badClass);
    if (pClass->m_wSchema != nSchema)
        Throw(CArchiveException::badSchema);
    NextMapIndex();
    m_loadArray.push_back(LoadEntry{pClass, nullptr, false});
    return pClass;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    CheckLoading();
    const WORD wTag = static_cast<WORD>(ReadUInt(2));
    const DWORD dwTag =
        wTag == kBigObjectTag ? ReadUInt(4) : (static_cast<DWORD>(wTag & kClassTag) << 16) | (wTag & ~kClassTag);

    CRuntimeClass* pClass = nullptr;
    if (wTag == kNewClassTag)
    {
        pClass = LoadClass();
    }
    else
    {
        // A damaged file may point a reference anywhere: the entry's kind
        // must match the tag's before it is used.
        const DWORD nIndex = dwTag & ~kBigClassTag;
        if (nIndex >= m_loadArray.size())
            Throw(CArchiveException::badIndex);
        const LoadEntry& entry = m_loadArray[nIndex];
        if ((dwTag & kBigClassTag) == 0)
        {
            if (entry.pClass != nullptr || entry.bReading)
                Throw(CArchiveException::badIndex);
            if (entry.pObject != nullptr && pClassRefRequested != nullptr &&
                !entry.pObject->IsKindOf(pClassRefRequested))
                Throw(CArchiveException::badClass);
            return entry.pObject;
        }
        if (entry.pClass == nullptr)
            Throw(CArchiveException::badIndex);
        pClass = entry.pClass;
    }

    if (pClassRefRequested != nullptr && !pClass->IsDerivedFrom(pClassRefRequested))
        Throw(CArchiveException::badClass);

    if (m_nReadDepth >= kMaxObjectDepth)
        Throw(CArchiveException::generic);
    CObject* pOb = pClass->CreateObject();
    const size_t nEntry = m_loadArray.size();
    ++m_nReadDepth;
    try
    {
        NextMapIndex();
        m_loadArray.push_back(LoadEntry{nullptr, pOb, true});
        pOb->Serialize(*this);
        m_loadArray[nEntry].bReading = false;
    }
    catch (...)
    {
        // The half-read object never reaches the caller.
        --m_nReadDepth;
        if (nEntry < m_loadArray.size())
            m_loadArray[nEntry].pObject = nullptr;
        delete pOb;
        throw;
    }
    --m_nReadDepth;
    return pOb;
}

CArchive& operator<<(CArchive& ar, const CString& string)
{
    const DWORD nLength = static_cast<DWORD>(string.GetLength());
    if (nLength < 255)
    {
        ar << static_cast<BYTE>(nLength);
    }
    else if (nLength < 0xFFFE)
    {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(nLength);
    }
    else
    {
        // 0xFFFE after the 0xFF byte marks a wide-character string.
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << nLength;
    }
    ar.Write(string.GetString(), nLength);
    return ar;
}

namespace {
// A length prefix; wide is set by the 0xFF 0xFFFE marker of a string stored
// by a wide-character build, whose own length prefix follows the marker.
DWORD ReadStringLength(CArchive& ar, bool& wide)
{
    BYTE byLength;
    ar >> byLength;
    if (byLength < 0xFF)
        return byLength;
    WORD wLength;
    ar >> wLength;
    if (wLength == 0xFFFE && !wide)
    {
        wide = true;
        return ReadStringLength(ar, wide);
    }
    if (wLength < 0xFFFE)
        return wLength;
    if (wLength == 0xFFFE)
        AfxThrowArchiveException(CArchiveException::generic, ar.GetFile()->GetFilePath());
    DWORD dwLength;
    ar >> dwLength;
    return dwLength;
}
}  // namespace

CArchive& operator>>(CArchive& ar, CString& string)
{
    bool wide = false;
    const DWORD nLength = ReadStringLength(ar, wide);
    if (!wide)
    {
        ar.CheckRemaining(nLength);
        CString text;
        ar.Read(text.GetBufferSetLength(static_cast<int>(nLength)), nLength);
        string = std::move(text);
        return ar;
    }
    ar.CheckRemaining(static_cast<ULONGLONG>(nLength) * sizeof(WCHAR));
    std::vector<WCHAR, CFrameworkAllocator<WCHAR>> chars(nLength);
    ar.Read(chars.data(), nLength * sizeof(WCHAR));
    const int cch = static_cast<int>(nLength);
    const int cb = ::WideCharToMultiByte(CP_ACP, 0, chars.data(), cch, nullptr, 0, nullptr, nullptr);
    CString text;
    ::WideCharToMultiByte(CP_ACP, 0, chars.data(), cch, text.GetBufferSetLength(cb), cb, nullptr, nullptr);
    string = std::move(text);
    return ar;
}
