#include "capture/window_facts.h"

#include <vector>

#include "capture/kind_rules.h"

namespace {

const char kAddressClass[] = "Edit";

}  // namespace

NewWindowFacts GatherFacts(WindowSeam& seam, WindowHandle window, int type, bool wantAddress)
{
    NewWindowFacts facts;
    facts.identity = seam.FactsOf(window);
    if (!facts.identity.alive)
        return facts;
    facts.title = seam.TitleOf(window, kTitleBufferSize);
    facts.listTitle = seam.TitleOf(window, kListTitleSize);
    facts.visible = seam.IsVisible(window);
    facts.styleKnown = seam.StylesOf(window, facts.style, facts.exStyle);
    if (IsFamilyClass(facts.identity.className)) {
        facts.processImage = seam.ProcessImageOf(window);
        facts.cloaked = seam.IsCloaked(window);
    }
    const BrowserKind* kind = KindOf(type);
    const bool wantInner = kind && kind->innerClass;
    if (!wantInner && !wantAddress)
        return facts;
    std::vector<std::string> classes;
    for (WindowHandle child : seam.DescendantsOf(window)) {
        classes.push_back(seam.ClassOf(child));
        if (wantAddress && !facts.hasAddress && classes.back() == kAddressClass) {
            facts.hasAddress = true;
            facts.address = seam.ControlTextOf(child, kUrlBufferSize - 1);
        }
    }
    facts.innerWindow = HasInnerWindow(type, classes);
    return facts;
}

bool ReadBrowserUrl(WindowSeam& seam, WindowHandle window, std::u16string& url)
{
    url.clear();
    for (WindowHandle child : seam.DescendantsOf(window)) {
        if (seam.ClassOf(child) == kAddressClass) {
            url = seam.ControlTextOf(child, kUrlBufferSize - 1);
            return true;
        }
    }
    return false;
}
