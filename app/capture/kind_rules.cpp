#include "capture/kind_rules.h"

namespace {

bool Holds(const TitleRule& rule, const std::string& title)
{
    return kinds::Holds(rule, title.c_str());
}

bool IsSweptAs(const BrowserKind& kind, const std::string& title, bool visible)
{
    return Holds(kind.sweepTitle, title) && (visible || !kind.sweepVisibleOnly);
}

}  // namespace

int ClassifyOpenWindow(const std::string& className, const std::string& title, bool visible)
{
    for (const BrowserKind& kind : kBrowserKinds)
        if (kind.className && className == kind.className && IsSweptAs(kind, title, visible))
            return kind.type;
    for (const BrowserKind& kind : kBrowserKinds)
        if (!kind.className && IsSweptAs(kind, title, visible))
            return kind.type;
    return -1;
}

bool IsBrowserOfType(const std::string& className, const std::string& title, int type)
{
    const BrowserKind* kind = KindOf(type);
    if (!kind)
        return false;
    if (kind->className)
        return className == kind->className;
    // A kind known by title keeps its name in its title, as it had it when it was created.
    return title.find(kind->createTitle.text) != std::string::npos;
}

bool NormalizeTitle(std::string& title, int type)
{
    const BrowserKind* kind = KindOf(type);
    if (!kind || !kind->titleMarker)
        return false;
    const std::string marker = kind->titleMarker;
    const size_t at = title.find(marker);
    if (at == std::string::npos)
        return false;
    if (kind->keepsAfter)
        title.erase(0, at + marker.size());
    else
        title.erase(at);
    return true;
}

bool HasInnerWindow(int type, const std::vector<std::string>& descendantClasses)
{
    const BrowserKind* kind = KindOf(type);
    if (!kind || !kind->innerClass)
        return true;
    const std::string inner = kind->innerClass;
    for (const std::string& name : descendantClasses)
        if (kind->innerClassIsPrefix ? name.compare(0, inner.size(), inner) == 0 : name == inner)
            return true;
    return false;
}
