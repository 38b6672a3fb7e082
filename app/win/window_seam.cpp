#include "win/window_seam.h"

namespace {
WindowSeam* g_seam = nullptr;
}

WindowSeam& Seam()
{
    return *g_seam;
}

void SetSeam(WindowSeam* seam)
{
    g_seam = seam;
}
