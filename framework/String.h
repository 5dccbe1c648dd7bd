#pragma once

#include <cstdarg>
#include <string>
#include <windef.h>

#include "framework/FrameworkAllocator.h"

// <winuser.h> renames LoadString to LoadStringA in this ANSI build. The same
// renaming here keeps the member's name the same whether <windows.h> comes
// before or after this header (when it comes after, its own definition is a
// redefinition inside a system header, which the compiler accepts silently).
#ifndef LoadString
#define LoadString LoadStringA
#endif

// ANSI string with value semantics. Indexes and lengths are in bytes (chars).
// Positions outside the text are clamped: Mid, Left and Right never fail;
// Find gives -1 when there is nothing to find.
class CString
{
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(LPCSTR psz);               // null reads as empty
    CString(LPCSTR pch, int nLength);  // nLength bytes, NULs included
    explicit CString(char ch, int nRepeat = 1);
    ~CString() = default;

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCSTR psz);
    CString& operator=(char ch);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    // Overload for unsigned indexes: without it s[sizeof x] is ambiguous
    // with the built-in subscript of the const char* conversion.
    char operator[](unsigned nIndex) const { return GetAt(static_cast<int>(nIndex)); }

    operator LPCSTR() const { return m_str.c_str(); }
    // For printf-style argument lists, where the conversion does not apply.
    LPCSTR GetString() const { return m_str.c_str(); }

    CString& operator+=(const CString& str);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);

    // strcmp / ASCII case-insensitive comparison: <0, 0, >0.
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;

    // ASCII only, as the C runtime in the "C" locale: bytes >= 0x80 stay.
    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    // White space is space, \t, \n, \v, \f, \r.
    void TrimLeft();
    void TrimLeft(char chTarget);
    void TrimLeft(LPCSTR pszTargets);
    void TrimRight();
    void TrimRight(char chTarget);
    void TrimRight(LPCSTR pszTargets);
    void Trim();

    // printf-style; the result may be of any length.
    void Format(LPCSTR pszFormat, ...) __attribute__((format(gnu_printf, 2, 3)));
    void FormatV(LPCSTR pszFormat, va_list args);

    // Return the number of replacements / removed characters.
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char ch);
    // Return the new length.
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR psz);
    int Delete(int nIndex, int nCount = 1);

    // Direct access: the buffer holds at least nMinBufLength chars plus a NUL
    // and stays valid until ReleaseBuffer or any other change of the string.
    // ReleaseBuffer(-1) takes the length up to the first NUL.
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPSTR GetBufferSetLength(int nNewLength);

    // Loads string nID from the executable's string table; FALSE (and an
    // empty string) when there is no such string.
    BOOL LoadString(UINT nID);

private:
    using Storage = std::basic_string<char, std::char_traits<char>, CFrameworkAllocator<char>>;
    explicit CString(Storage&& str) : m_str(std::move(str)) {}

    Storage m_str;

    friend CString operator+(const CString&, const CString&);
    friend CString operator+(const CString&, LPCSTR);
    friend CString operator+(LPCSTR, const CString&);
    friend CString operator+(const CString&, char);
    friend CString operator+(char, const CString&);
};

CString operator+(const CString& s1, const CString& s2);
CString operator+(const CString& s, LPCSTR psz);
CString operator+(LPCSTR psz, const CString& s);
CString operator+(const CString& s, char ch);
CString operator+(char ch, const CString& s);

// Comparisons are case-sensitive byte comparisons (strcmp).
inline bool operator==(const CString& a, const CString& b)
{
    return a.Compare(b) == 0;
}
inline bool operator==(const CString& a, LPCSTR b)
{
    return a.Compare(b) == 0;
}
inline bool operator==(LPCSTR a, const CString& b)
{
    return b.Compare(a) == 0;
}
inline bool operator!=(const CString& a, const CString& b)
{
    return a.Compare(b) != 0;
}
inline bool operator!=(const CString& a, LPCSTR b)
{
    return a.Compare(b) != 0;
}
inline bool operator!=(LPCSTR a, const CString& b)
{
    return b.Compare(a) != 0;
}
inline bool operator<(const CString& a, const CString& b)
{
    return a.Compare(b) < 0;
}
inline bool operator<(const CString& a, LPCSTR b)
{
    return a.Compare(b) < 0;
}
inline bool operator<(LPCSTR a, const CString& b)
{
    return b.Compare(a) > 0;
}
inline bool operator>(const CString& a, const CString& b)
{
    return a.Compare(b) > 0;
}
inline bool operator>(const CString& a, LPCSTR b)
{
    return a.Compare(b) > 0;
}
inline bool operator>(LPCSTR a, const CString& b)
{
    return b.Compare(a) < 0;
}
inline bool operator<=(const CString& a, const CString& b)
{
    return a.Compare(b) <= 0;
}
inline bool operator<=(const CString& a, LPCSTR b)
{
    return a.Compare(b) <= 0;
}
inline bool operator<=(LPCSTR a, const CString& b)
{
    return b.Compare(a) >= 0;
}
inline bool operator>=(const CString& a, const CString& b)
{
    return a.Compare(b) >= 0;
}
inline bool operator>=(const CString& a, LPCSTR b)
{
    return a.Compare(b) >= 0;
}
inline bool operator>=(LPCSTR a, const CString& b)
{
    return b.Compare(a) <= 0;
}
