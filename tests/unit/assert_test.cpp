// "Cannot happen" in a release build: the failure is reported, and the caller goes on.
#define NDEBUG 1  // as the shipped build compiles it
#include "app/win/assert.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string g_reported;
}  // namespace

void pelorus::ReportAssertion(const char* condition, const char*, int)
{
    g_reported = condition;
}

TEST(Assert, ReleaseBuildReportsTheConditionAndLetsTheCallerDegrade)
{
    const int index = 5, count = 3;
    EXPECT_TRUE(PELORUS_ASSERT(index > count));
    EXPECT_FALSE(PELORUS_ASSERT(index < count));
    EXPECT_EQ("index < count", g_reported);
}
