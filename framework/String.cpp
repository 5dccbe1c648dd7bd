#include "framework/String.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <windows.h>

namespace {
const char kWhiteSpace[] = " \t\n\v\f\r";

char AsciiLower(char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

char AsciiUpper(char ch)
{
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

int Clamp(int value, int low, int high)
{
    return std::min(std::max(value, low), high);
}
}  // namespace

CString::CString(LPCSTR psz)
{
    if (psz != nullptr)
        m_str.assign(psz);
}

CString::CString(LPCSTR pch, int nLength)
{
    if (pch != nullptr && nLength > 0)
        m_str.assign(pch, static_cast<size_t>(nLength));
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign(static_cast<size_t>(nRepeat), ch);
}

CString& CString::operator=(LPCSTR psz)
{
    // psz may point into this string's own buffer: build the copy first.
    Storage copy(psz != nullptr ? psz : "");
    m_str.swap(copy);
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

char CString::GetAt(int nIndex) const
{
    return (nIndex >= 0 && nIndex < GetLength()) ? m_str[static_cast<size_t>(nIndex)] : '\0';
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_str[static_cast<size_t>(nIndex)] = ch;
}

CString& CString::operator+=(const CString& str)
{
    m_str.append(str.m_str);
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz != nullptr)
        m_str.append(Storage(psz));
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str.push_back(ch);
    return *this;
}

CString operator+(const CString& s1, const CString& s2)
{
    CString result(s1);
    result += s2;
    return result;
}

CString operator+(const CString& s, LPCSTR psz)
{
    CString result(s);
    result += psz;
    return result;
}

CString operator+(LPCSTR psz, const CString& s)
{
    CString result(psz);
    result += s;
    return result;
}

CString operator+(const CString& s, char ch)
{
    CString result(s);
    result += ch;
    return result;
}

CString operator+(char ch, const CString& s)
{
    CString result(ch);
    result += s;
    return result;
}

int CString::Compare(LPCSTR psz) const
{
    return std::strcmp(m_str.c_str(), psz != nullptr ? psz : "");
}

int CString::CompareNoCase(LPCSTR psz) const
{
    // As _stricmp: both sides lowered, then compared as unsigned bytes.
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_str.c_str());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(psz != nullptr ? psz : "");
    for (;; ++a, ++b)
    {
        const unsigned char ca = static_cast<unsigned char>(AsciiLower(static_cast<char>(*a)));
        const unsigned char cb = static_cast<unsigned char>(AsciiLower(static_cast<char>(*b)));
        if (ca != cb || ca == 0)
            return static_cast<int>(ca) - static_cast<int>(cb);
    }
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    const int length = GetLength();
    nFirst = Clamp(nFirst, 0, length);
    nCount = Clamp(nCount, 0, length - nFirst);
    return CString(m_str.c_str() + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = Clamp(nCount, 0, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

int CString::Find(char ch, int nStart) const
{
    nStart = std::max(nStart, 0);
    if (nStart >= GetLength())
        return -1;
    const size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == Storage::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    nStart = std::max(nStart, 0);
    if (pszSub == nullptr || nStart > GetLength())
        return -1;
    const size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == Storage::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    const size_t pos = m_str.rfind(ch);
    return pos == Storage::npos ? -1 : static_cast<int>(pos);
}

void CString::MakeUpper()
{
    std::transform(m_str.begin(), m_str.end(), m_str.begin(), AsciiUpper);
}

void CString::MakeLower()
{
    std::transform(m_str.begin(), m_str.end(), m_str.begin(), AsciiLower);
}

void CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
}

void CString::TrimLeft()
{
    TrimLeft(kWhiteSpace);
}

void CString::TrimLeft(char chTarget)
{
    m_str.erase(0, m_str.find_first_not_of(chTarget));
}

void CString::TrimLeft(LPCSTR pszTargets)
{
    if (pszTargets != nullptr)
        m_str.erase(0, m_str.find_first_not_of(pszTargets));
}

void CString::TrimRight()
{
    TrimRight(kWhiteSpace);
}

void CString::TrimRight(char chTarget)
{
    const size_t last = m_str.find_last_not_of(chTarget);
    m_str.erase(last == Storage::npos ? 0 : last + 1);
}

void CString::TrimRight(LPCSTR pszTargets)
{
    if (pszTargets == nullptr)
        return;
    const size_t last = m_str.find_last_not_of(pszTargets);
    m_str.erase(last == Storage::npos ? 0 : last + 1);
}

void CString::Trim()
{
    TrimRight();
    TrimLeft();
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    // Measure first, then print into a buffer of exactly that size. The
    // arguments may point into this string, so the result is built aside.
    va_list measureArgs;
    va_copy(measureArgs, args);
    const int length = std::vsnprintf(nullptr, 0, pszFormat, measureArgs);
    va_end(measureArgs);
    if (length <= 0)
    {
        Empty();
        return;
    }
    Storage result(static_cast<size_t>(length), '\0');
    std::vsnprintf(&result[0], static_cast<size_t>(length) + 1, pszFormat, args);
    m_str.swap(result);
}

int CString::Replace(char chOld, char chNew)
{
    int count = 0;
    for (char& ch : m_str)
    {
        if (ch == chOld)
        {
            ch = chNew;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    if (pszOld == nullptr || *pszOld == '\0')
        return 0;
    const Storage oldText(pszOld);
    const Storage newText(pszNew != nullptr ? pszNew : "");
    Storage result;
    int count = 0;
    size_t from = 0;
    for (size_t pos = m_str.find(oldText); pos != Storage::npos; pos = m_str.find(oldText, from))
    {
        result.append(m_str, from, pos - from);
        result.append(newText);
        from = pos + oldText.size();
        ++count;
    }
    if (count > 0)
    {
        result.append(m_str, from, Storage::npos);
        m_str.swap(result);
    }
    return count;
}

int CString::Remove(char ch)
{
    const size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int nIndex, char ch)
{
    m_str.insert(static_cast<size_t>(Clamp(nIndex, 0, GetLength())), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    if (psz != nullptr)
        m_str.insert(static_cast<size_t>(Clamp(nIndex, 0, GetLength())), Storage(psz));
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = Clamp(nIndex, 0, GetLength());
    nCount = Clamp(nCount, 0, GetLength() - nIndex);
    m_str.erase(static_cast<size_t>(nIndex), static_cast<size_t>(nCount));
    return GetLength();
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength), '\0');
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
    m_str.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize(static_cast<size_t>(std::max(nNewLength, 0)), '\0');
    return &m_str[0];
}

BOOL CString::LoadString(UINT nID)
{
    // LoadStringA cannot report the full length: grow until the text fits
    // with room to spare (string-table entries hold at most 65535 chars).
    const HINSTANCE hModule = ::GetModuleHandleA(nullptr);
    for (int size = 256;; size *= 2)
    {
        Storage buffer(static_cast<size_t>(size), '\0');
        const int length = ::LoadStringA(hModule, nID, &buffer[0], size);
        if (length < size - 1 || size > 0x10000)
        {
            buffer.resize(static_cast<size_t>(std::max(length, 0)));
            m_str.swap(buffer);
            return length > 0;
        }
    }
}
