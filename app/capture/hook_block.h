// What the program reads of the hook library's shared block. Every process that maps the library
// may write it, a low-integrity one too: what it holds is a claim, never a fact. The program asks
// it one thing, whether the hook already watches a window (so that the start-up's catch-up does
// not announce it twice), and nothing it holds keeps a window from the watcher, which announces
// every browser window the program does not hold once the hook has had its grace.
#pragma once

#include "hooklib/shared_block.h"
#include "win/window_seam.h"

// Whether a slot of BLOCK holds WINDOW; each slot read whole, from memory, as other processes
// write them meanwhile.
bool WatchedInBlock(const SharedBlock& block, WindowHandle window);
