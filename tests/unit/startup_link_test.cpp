// The start-up shortcut's name: the program's file name up to its first full stop, in the
// Startup folder, never cut to fit.
#include <gtest/gtest.h>

#include "app/settings/startup_link.h"

namespace {

TEST(StartupLink, IsNamedAfterTheProgramsFile)
{
    const std::pair<const char*, const char*> cases[] = {{"C:\\Tools\\Pelorus.exe", "Pelorus.lnk"},
                                                         {"C:\\Tools\\my.tool.exe", "my.lnk"},
                                                         {"D:\\a.b\\noext", "noext.lnk"},
                                                         {"\\\\server\\share\\x.exe", "x.lnk"}};
    for (const auto& [path, name] : cases) {
        std::string link;
        EXPECT_TRUE(GetLinkFileName(path, link)) << path;
        EXPECT_EQ(name, link) << path;
    }
    std::string link = "unchanged";
    EXPECT_FALSE(GetLinkFileName("Pelorus.exe", link)) << "a bare file name has no folder";
    EXPECT_FALSE(LinkPathIn("C:\\Startup", "Pelorus.exe", link));
    EXPECT_EQ("unchanged", link);
}

TEST(StartupLink, PathThatDoesNotFitIsRefusedNotCut)
{
    std::string link;
    ASSERT_TRUE(LinkPathIn("C:\\S", "C:\\T\\Pelorus.exe", link));
    EXPECT_EQ("C:\\S\\Pelorus.lnk", link);
    const std::string fits(259 - std::string("\\Pelorus.lnk").size(), 'f');
    EXPECT_TRUE(LinkPathIn(fits, "C:\\T\\Pelorus.exe", link));
    EXPECT_FALSE(LinkPathIn(fits + "f", "C:\\T\\Pelorus.exe", link));
}

}  // namespace
