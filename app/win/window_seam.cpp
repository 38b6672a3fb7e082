#include "win/window_seam.h"

namespace {
WindowSeam* g_seam = nullptr;
}

WindowSeam* DefaultSeam();  // the platform's, defined with it; null where there is none

WindowSeam& Seam()
{
    if (!g_seam)
        g_seam = DefaultSeam();
    return *g_seam;
}

void SetSeam(WindowSeam* seam)
{
    g_seam = seam;
}
