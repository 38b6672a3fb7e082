#include "capture/sweep_list.h"

#include "capture/kind_rules.h"
#include "hooklib/hook_protocol.h"

SweepList SweepBrowserWindows(const FactReader& reader)
{
    SweepList found;
    RecogniseAs open;
    open.openWindow = true;
    for (WindowHandle window : reader.seam.TopLevelWindows()) {
        if (found.count >= kMaxSweptWindows)
            break;
        WindowFacts facts;
        facts.window = window;
        if (const Recognition kind = Recognise(facts, open, &reader))
            found.Add(window, kind.type);
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
