// Whole numbers in decimal as "%d" writes them, with no printf: the C library's printf brings
// its floating-point half into the program with it, and nothing here prints a fraction.
#pragma once

#include <charconv>

struct DecimalText {
    char text[12];  // "-2147483648" and its terminator
};

inline DecimalText Decimal(int value)
{
    DecimalText decimal;
    *std::to_chars(decimal.text, decimal.text + sizeof decimal.text - 1, value).ptr = '\0';
    return decimal;
}
