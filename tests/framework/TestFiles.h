#pragma once
// Files for the framework's tests: one name per test (ctest runs tests in
// parallel processes), in SAVORUM_TEST_DATA or else the temp folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "framework/File.h"

#include "support/TestDataFolder.h"

namespace testfiles {

typedef std::vector<BYTE> Bytes;

inline std::string Folder()
{
    return testdata::Folder();
}

// A path of the running test's own, with the file removed.
inline std::string PathFor(const char* suffix)
{
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::string path = Folder() + "\\" + info->test_suite_name() + "." + info->name() + "." + suffix;
    DeleteFileA(path.c_str());
    return path;
}

inline Bytes ReadAll(const std::string& path)
{
    CFile file(path.c_str(), CFile::modeRead);
    Bytes bytes(file.GetLength());
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

inline void WriteAll(const std::string& path, const Bytes& bytes)
{
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    if (!bytes.empty())
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
}

// Bytes from text, for readable expectations: "CTestItem" -> its chars.
inline Bytes Chars(const char* text)
{
    return Bytes(text, text + std::char_traits<char>::length(text));
}

// Resized then copied: gcc 12 reports a false overflow for an inlined range insert.
inline Bytes operator+(Bytes a, const Bytes& b)
{
    const size_t head = a.size();
    a.resize(head + b.size());
    std::copy(b.begin(), b.end(), a.begin() + static_cast<std::ptrdiff_t>(head));
    return a;
}

// What a storing archive writes when store(ar) runs on it.
template <typename Store>
Bytes Stored(Store store)
{
    const std::string path = PathFor("stored");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        store(ar);
        ar.Close();
    }
    return ReadAll(path);
}

// Runs load(ar) on a loading archive over the given bytes.
template <typename Load>
void Loaded(const Bytes& bytes, Load load)
{
    const std::string path = PathFor("loaded");
    WriteAll(path, bytes);
    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    load(ar);
}

// The cause of the CArchiveException that load raises on these bytes, or -1
// when it raises none.
template <typename Load>
int ArchiveFailure(const Bytes& bytes, Load load)
{
    try
    {
        Loaded(bytes, load);
    }
    catch (CArchiveException* e)
    {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

}  // namespace testfiles
