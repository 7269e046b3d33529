#include <gtest/gtest.h>
#include <string>
#include "resources/ContainedName.h"

namespace {

TEST(ContainedName, PlainNamesAndSubfoldersPass)
{
    for (const char* name : {"lev1.dat", "my level.dat", "pack/lev1.dat", "a/b/c.dat", "..dat", "lev..1.dat",
                             "...", ".hidden", "a/..b/c", "x..", "./lev1.dat"})
        EXPECT_TRUE(IsContainedName(name)) << name;
}

TEST(ContainedName, NamesThatCanLeaveTheFolderAreRefused)
{
    for (const char* name : {"..", "../x.dat", "../../../victim.txt", "a/../../x", "a/..", "pack/../lev1.dat",
                             "..\\x.dat", "a\\..\\..\\x", "/etc/passwd", "//x", "\\x.dat", "C:x.dat",
                             "c:\\windows\\x", "a//../x"})
        EXPECT_FALSE(IsContainedName(name)) << name;
}

TEST(ContainedName, EmptyOrBlankNamesAreRefused)
{
    for (const char* name : {"", " ", "\t", " \t\r\n ", "\v\f"}) EXPECT_FALSE(IsContainedName(name)) << '"' << name << '"';
    EXPECT_TRUE(IsContainedName(" lev1.dat "));
}

}  // namespace
