#include "capture/sweep_list.h"

#include "capture/kind_rules.h"
#include "hooklib/hook_protocol.h"

SweepList SweepBrowserWindows(WindowSeam& seam)
{
    SweepList found;
    for (WindowHandle window : seam.TopLevelWindows()) {
        if (found.count >= kMaxSweptWindows)
            break;
        const int type = ClassifyWindow(GatherFacts(seam, window, -1, false));
        if (type >= 0)
            found.Add(window, type);
    }
    return found;
}

SweepList NewlyTargeted(const SweepList& open, int oldMask, int newMask)
{
    SweepList fresh;
    for (int k = 0; k < open.count; ++k) {
        const int bit = TargetBit(open.types[k]);
        if ((newMask & bit) && !(oldMask & bit))
            fresh.Add(open.windows[k], open.types[k]);
    }
    return fresh;
}
