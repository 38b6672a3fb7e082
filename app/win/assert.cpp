#include "win/assert.h"

#include <cstdio>
#include <cstdlib>

void pelorus::StopAtAssertion(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: cannot happen, yet it did: %s\n", file, line, condition);
    std::abort();
}
