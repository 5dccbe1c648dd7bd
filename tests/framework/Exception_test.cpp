#include "framework/Exception.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/ArchiveException.h"
#include "framework/FileException.h"
#include "framework/FrameworkAllocator.h"
#include "framework/MemoryException.h"
#include "framework/MessageBoxScript.h"

namespace {

std::string MessageOf(CException& e)
{
    char text[256];
    e.GetErrorMessage(text, sizeof text);
    return text;
}

TEST(Exception, MessagesNameTheFile)
{
    CFileException fileError(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "C:\\x\\pantry.adf");
    EXPECT_NE(std::string::npos, MessageOf(fileError).find("C:\\x\\pantry.adf"));
    CArchiveException archiveError(CArchiveException::badSchema, "list.shp");
    EXPECT_NE(std::string::npos, MessageOf(archiveError).find("list.shp"));
    CArchiveException unknownCause(99);
    EXPECT_FALSE(MessageOf(unknownCause).empty());
    CException plain;
    char text[8] = "x";
    EXPECT_FALSE(plain.GetErrorMessage(text, sizeof text));
    EXPECT_STREQ("", text);
}

TEST(Exception, MessagesAreCutToTheBuffer)
{
    CFileException error(CFileException::fileNotFound, -1, "a-rather-long-file-name.txt");
    char text[8];
    std::memset(text, '#', sizeof text);
    EXPECT_TRUE(error.GetErrorMessage(text, sizeof text));
    EXPECT_EQ(7u, std::strlen(text));
}

TEST(Exception, ThrownAsPointersOfTheirClass)
{
    try
    {
        AfxThrowArchiveException(CArchiveException::endOfFile, "menu.dat");
    }
    catch (CException* e)
    {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CArchiveException)));
        EXPECT_FALSE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        EXPECT_EQ(CArchiveException::endOfFile, static_cast<CArchiveException*>(e)->m_cause);
        e->Delete();
    }
}

TEST(Exception, AllocationFailureIsTheStaticMemoryException)
{
    CMemoryException* pFirst = nullptr;
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        try
        {
            CFrameworkAllocator<char>().allocate(static_cast<size_t>(-1));
            ADD_FAILURE() << "no exception";
        }
        catch (CMemoryException* e)
        {
            if (pFirst == nullptr)
                pFirst = e;
            EXPECT_EQ(pFirst, e);
            e->Delete();  // must leave the static object alone
        }
    }
}

TEST(Exception, ReportErrorShowsTheMessageOrAGeneralText)
{
    CMessageBoxScript boxes;
    CArchiveException error(CArchiveException::badClass, "menu.dat");
    EXPECT_EQ(IDOK, error.ReportError());
    CException plain;
    plain.ReportError();
    ASSERT_EQ(2u, boxes.GetShown().size());
    EXPECT_STREQ(MessageOf(error).c_str(), boxes.GetShown()[0].text);
    EXPECT_FALSE(boxes.GetShown()[1].text.IsEmpty());
}

}  // namespace
