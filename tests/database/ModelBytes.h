#pragma once
// Byte builders for the expected archive forms of the recipe model.
#include "framework/TestFiles.h"

#include <cstring>

namespace modelbytes {

using testfiles::Bytes;
using testfiles::operator+;

inline Bytes LittleEndian(unsigned long long value, int count)
{
    Bytes bytes;
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
    return bytes;
}

inline Bytes U8(unsigned value)
{
    return LittleEndian(value, 1);
}
inline Bytes U16(unsigned value)
{
    return LittleEndian(value, 2);
}
inline Bytes U32(unsigned long value)
{
    return LittleEndian(value, 4);
}

inline Bytes F32(float value)
{
    DWORD bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return U32(bits);
}

inline Bytes F64(double value)
{
    unsigned long long bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return LittleEndian(bits, 8);
}

// Six digits and a NUL.
inline Bytes Id(const char* digits)
{
    return testfiles::Chars(digits) + U8(0);
}

// A short string: one length byte, then the chars.
inline Bytes Str(const char* text)
{
    return U8(static_cast<unsigned>(std::strlen(text))) + testfiles::Chars(text);
}

// The record of an object whose class is new to the archive.
inline Bytes NewClass(unsigned schema, const char* name)
{
    return U16(0xFFFF) + U16(schema) + U16(static_cast<unsigned>(std::strlen(name))) + testfiles::Chars(name);
}

// The record of a further object of the class with that archive index.
inline Bytes SeenClass(unsigned index)
{
    return U16(0x8000 | index);
}

inline Bytes Truncated(Bytes bytes, size_t count)
{
    bytes.resize(bytes.size() > count ? bytes.size() - count : 0);
    return bytes;
}

}  // namespace modelbytes
