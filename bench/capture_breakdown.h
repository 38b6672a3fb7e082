// Pelorus's part of a capture, taken apart: the capture engine's own code run in the bench's
// process over the real hook, keeper and relay window, its calls to the platform counted and
// timed through the window seam.
#pragma once

#include <map>
#include <string>

struct Breakdown {
    int captures = 0;
    double openToNotice = -1;      // the browser asked to open a window, until its notice is here
    double noticeToDecision = -1;  // read and decided, until the first move
    double decisionToMoved = -1;   // shown and the previous one hidden
    double total = -1;             // the browser asked, until the previous window is hidden
    std::map<std::string, double> callsPerCapture;  // by what the seam was asked
    std::map<std::string, double> msPerCapture;     // and the time those calls took
};

Breakdown MeasureBreakdown(int windows);
