// "Cannot happen", said where a null or an index out of range would otherwise crash. A debug build
// stops there; a release build writes it to the debugger's output and goes on, and the code
// around it degrades as the program's behaviour requires. It is an expression of whether the
// condition holds:
//     if (!PELORUS_ASSERT(index < Count()))
//         return;
#pragma once

namespace pelorus {

// The release build's report (the platform's side: the debugger's output).
void ReportAssertion(const char* condition, const char* file, int line);
[[noreturn]] void StopAtAssertion(const char* condition, const char* file, int line);

}  // namespace pelorus

#ifdef NDEBUG
#define PELORUS_ASSERT(condition) \
    (static_cast<bool>(condition) || (::pelorus::ReportAssertion(#condition, __FILE__, __LINE__), false))
#else
#define PELORUS_ASSERT(condition) \
    (static_cast<bool>(condition) || (::pelorus::StopAtAssertion(#condition, __FILE__, __LINE__), false))
#endif
