#include "mainwnd/list_rules.h"

#include "hooklib/hook_protocol.h"

NewEntryPlan PlanNewEntry(int count, int current, int listMode, int newWindowMode)
{
    NewEntryPlan plan{};
    plan.keepCurrentShown = count > 0 && newWindowMode != 0;
    plan.current = current;
    switch (listMode) {
    case 1:  // at the head
        plan.position = 0;
        plan.current = current + 1;
        break;
    case 2:  // after the shown window
        plan.position = current + 1;
        break;
    case 3:  // before the shown window
        plan.position = current >= 0 ? current : 0;
        if (current >= 0)
            plan.current = current + 1;
        break;
    default:  // at the end
        plan.position = count;
        break;
    }
    plan.select = !plan.keepCurrentShown;
    if (plan.select)
        plan.current = plan.position;
    return plan;
}

RemovalPlan PlanRemoval(int current, int removed, int newCount)
{
    if (current < removed)
        return {current, false};
    if (current == removed) {
        // The current entry went: the one that moved up takes its place, or the one before it
        // when it was the last.
        if (newCount < 0 || removed == newCount)
            --current;
    } else {
        --current;  // the same entry, one place up
    }
    return {current, current >= 0};
}

bool PlanPlacement(bool sizePos, const FixedRect& fixed, bool isPopup, NormalRect& normal)
{
    if (!sizePos || fixed.width < 0 || fixed.height < 0)
        return false;
    if (isPopup) {
        const int width = normal.right - normal.left, height = normal.bottom - normal.top;
        normal = {fixed.left, fixed.top, fixed.left + width, fixed.top + height};
    } else {
        normal = {fixed.left, fixed.top, fixed.left + fixed.width, fixed.top + fixed.height};
    }
    return true;
}

bool TakeFixedRectangle(bool sizePos, int current, const NormalRect& normal, int placementShowCmd, FixedRect& fixed,
                        int& showCmd)
{
    if (!sizePos || current < 0)
        return false;
    fixed = {normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top};
    showCmd = placementShowCmd == kShowMaximized ? kShowMaximized : kShowNormal;
    return true;
}

int ClassifyOpenWindow(const std::string& className, const std::string& title, bool visible)
{
    auto has = [&](const char* part) { return title.find(part) != std::string::npos; };
    if (className == "IEFrame")
        return BROWSER_IE;
    if (className == "MozillaWindowClass") {
        if (has("Netscape"))
            return BROWSER_NETSCAPE6;
        return has("- Mozilla") ? BROWSER_MOZILLA : -1;
    }
    if (className == "OUIWINDOW")
        return BROWSER_OPERA_OUI;
    if (className == "OpWindow" && visible)
        return BROWSER_OPERA_OP;
    return has("- Netscape") ? BROWSER_NETSCAPE4 : -1;
}

bool IsBrowserOfType(const std::string& className, const std::string& title, int type)
{
    switch (type) {
    case BROWSER_IE:
        return className == "IEFrame";
    case BROWSER_NETSCAPE6:
    case BROWSER_MOZILLA:
        return className == "MozillaWindowClass";
    case BROWSER_NETSCAPE4:
        return title.find("Netscape") != std::string::npos;
    case BROWSER_OPERA_OUI:
        return className == "OUIWINDOW";
    case BROWSER_OPERA_OP:
        return className == "OpWindow";
    default:
        return false;
    }
}

std::string GetOwnPathFromCommandLine(const char* commandLine, size_t capacity)
{
    std::string path;
    if (!commandLine)
        return path;
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            path += *p++;
    } else {
        while (*p == ' ' || *p == '\t')
            ++p;
        while (*p && *p != ' ' && *p != '\t')
            path += *p++;
        if (!path.empty() && path.front() == '"')
            path.erase(0, 1);
        if (!path.empty() && path.back() == '"')
            path.pop_back();
    }
    if (path.size() + 1 > capacity)
        path.clear();
    return path;
}
