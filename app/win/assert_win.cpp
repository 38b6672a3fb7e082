#include <windows.h>

#include <cstdio>

#include "win/assert.h"

void pelorus::ReportAssertion(const char* condition, const char* file, int line)
{
    char text[512];
    std::snprintf(text, sizeof text, "Pelorus: %s:%d: cannot happen, yet it did: %s\n", file, line, condition);
    OutputDebugStringA(text);
}
