// The benchmarks' clock: the performance counter, read in milliseconds; a tight wait; a median.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

inline LARGE_INTEGER Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

inline double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Polls tightly until CONDITION holds, false after TIMEOUT_MS: the figure is the point.
template <class Condition>
bool Spin(Condition condition, DWORD timeoutMs = 10000)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(0);
    }
    return true;
}

// -1 for no values: nothing was measured.
inline double Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
