#include "win/assert.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "win/decimal_text.h"

void pelorus::StopAtAssertion(const char* condition, const char* file, int line)
{
    const DecimalText lineText = Decimal(line);
    for (const char* part : {file, ":", lineText.text, ": cannot happen, yet it did: ", condition, "\n"})
        std::fputs(part, stderr);
    std::abort();
}
