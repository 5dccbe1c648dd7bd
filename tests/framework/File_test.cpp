#include "framework/File.h"

#include <gtest/gtest.h>

#include <utility>

#include "framework/FileException.h"
#include "TestFiles.h"

using testfiles::Bytes;

namespace {

TEST(File, WritesReadsAndSeeks)
{
    const std::string path = testfiles::PathFor("data");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write("0123456789", 10);
        EXPECT_EQ(10u, file.GetPosition());
        EXPECT_EQ(10u, file.GetLength());
    }
    CFile file(path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
    char buffer[8] = {};
    EXPECT_EQ(4, file.Seek(4, CFile::begin));
    EXPECT_EQ(3u, file.Read(buffer, 3));
    EXPECT_STREQ("456", buffer);
    EXPECT_EQ(5, file.Seek(-2, CFile::current));
    EXPECT_EQ(8, file.Seek(-2, CFile::end));
    EXPECT_EQ(2u, file.Read(buffer, sizeof buffer));
    EXPECT_EQ(0u, file.Read(buffer, sizeof buffer));
    EXPECT_TRUE(file.GetFileName() == path.substr(path.rfind('\\') + 1).c_str());
}

TEST(File, CreateTruncatesUnlessNoTruncate)
{
    const std::string path = testfiles::PathFor("truncate");
    testfiles::WriteAll(path, Bytes{1, 2, 3});
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(3u, file.GetLength());
    }
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(0u, file.GetLength());
    }
}

TEST(File, OpenReportsAMissingFile)
{
    const std::string path = testfiles::PathFor("missing");
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path.c_str(), CFile::modeRead, &error));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(static_cast<LONG>(ERROR_FILE_NOT_FOUND), error.m_lOsError);
    EXPECT_STREQ(path.c_str(), error.m_strFileName);
}

TEST(File, ConstructorThrowsForAMissingFile)
{
    const std::string path = testfiles::PathFor("missing");
    try
    {
        CFile file(path.c_str(), CFile::modeRead);
        ADD_FAILURE() << "no exception";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        e->Delete();
    }
}

TEST(File, RenameAndRemove)
{
    const std::string from = testfiles::PathFor("from");
    const std::string to = testfiles::PathFor("to");
    testfiles::WriteAll(from, Bytes{5});
    CFile::Rename(from.c_str(), to.c_str());
    EXPECT_EQ(Bytes{5}, testfiles::ReadAll(to));
    CFile::Remove(to.c_str());
    try
    {
        CFile::Remove(to.c_str());
        ADD_FAILURE() << "no exception";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_STREQ(to.c_str(), e->m_strFileName);
        e->Delete();
    }
}

TEST(File, MovedFileOwnsTheHandle)
{
    const std::string path = testfiles::PathFor("moved");
    CFile first(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    CFile second(std::move(first));
    EXPECT_FALSE(first.IsOpen());
    ASSERT_TRUE(second.IsOpen());
    second.Write("x", 1);
    second.Close();
    EXPECT_FALSE(second.IsOpen());
    EXPECT_EQ(Bytes{'x'}, testfiles::ReadAll(path));
}

TEST(File, OsErrorsMapToCauses)
{
    const struct
    {
        LONG osError;
        int cause;
    } rows[] = {
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
        {ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {ERROR_ACCESS_DENIED, CFileException::accessDenied},
        {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
        {ERROR_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_EOF, CFileException::endOfFile},
        {12345, CFileException::generic},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.osError);
        EXPECT_EQ(row.cause, CFileException::OsErrorToException(row.osError));
    }
}

}  // namespace
