// Whether a window's thread answers, asked before anything that needs that thread. Re-parenting,
// placing or showing another thread's window waits for that thread, and a browser that has
// stopped answering would hold the program with it. A window that did not answer is left as it
// is; it is asked again only without waiting, now and then, until it answers or dies.
#pragma once

#include <cstdint>

#include "win/window_seam.h"

// False at once for a window known not to answer; otherwise it is asked, and a window that does
// not answer is remembered.
bool IsResponsive(WindowHandle window);
bool IsUnresponsive(WindowHandle window);
// A probe came back: the window is asked again, like any other, next time. Only an answer that
// carries the probe's COOKIE counts (any program can post the message that brings it); false for
// any other.
bool OnResponded(WindowHandle window, uint32_t cookie);
// Once a tick: a probe without waiting for each remembered window now and then; dead ones are
// forgotten.
void ProbeUnresponsive();
void ClearUnresponsive();
