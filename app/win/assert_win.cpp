#include <windows.h>

#include <string>

#include "win/assert.h"
#include "win/decimal_text.h"

void pelorus::ReportAssertion(const char* condition, const char* file, int line)
{
    const std::string text = std::string("Pelorus: ") + file + ":" + Decimal(line).text +
                             ": cannot happen, yet it did: " + condition + "\n";
    OutputDebugStringA(text.c_str());
}
