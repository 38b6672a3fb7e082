// The runs are made under a chosen ANSI code page: 932, the program's home, and 1252 in one
// scenario of their own. This pins that the environment gave the code page asked for.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

TEST(Locale, RunsUnderTheCodePageAsked)
{
    const char* expected = std::getenv("PELORUS_EXPECT_ACP");
    EXPECT_EQ(expected ? std::atoi(expected) : 932, static_cast<int>(GetACP()));
}
