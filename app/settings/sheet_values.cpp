#include "settings/sheet_values.h"

#include "hooklib/hook_protocol.h"

namespace {
constexpr int kOperaBits = 0x28;  // BROWSER_OPERA_OUI and BROWSER_OPERA_OP
}

BrowserBoxes BoxesFromMask(int mask)
{
    BrowserBoxes boxes;
    boxes.ie = mask & TargetBit(BROWSER_IE);
    boxes.netscape4 = mask & TargetBit(BROWSER_NETSCAPE4);
    boxes.netscape6 = mask & TargetBit(BROWSER_NETSCAPE6);
    boxes.opera = mask & kOperaBits;
    boxes.mozilla = mask & TargetBit(BROWSER_MOZILLA);
    return boxes;
}

int MaskFromBoxes(const BrowserBoxes& boxes)
{
    return (boxes.ie ? TargetBit(BROWSER_IE) : 0) | (boxes.netscape4 ? TargetBit(BROWSER_NETSCAPE4) : 0) |
           (boxes.netscape6 ? TargetBit(BROWSER_NETSCAPE6) : 0) | (boxes.opera ? kOperaBits : 0) |
           (boxes.mozilla ? TargetBit(BROWSER_MOZILLA) : 0);
}

int StartupLinkFromBoxes(int inForce, bool addChecked, bool removeChecked)
{
    if (!inForce && addChecked)
        return 1;
    if (inForce && removeChecked)
        return 0;
    return inForce;
}

std::vector<SheetStep> PlanSheetApply(const SheetValues& inForce, const SheetValues& fromPages)
{
    std::vector<SheetStep> steps;
    auto write = [&](const char* key, int value) { steps.push_back({SheetAction::WriteSetting, key, value, 0}); };
    const SheetValues& now = inForce;
    const SheetValues& next = fromPages;
    if (next.exitBrowser != now.exitBrowser)
        write("EXIT_BROWSER", next.exitBrowser);
    if (next.targetBrowser != now.targetBrowser) {
        steps.push_back({SheetAction::ChangeTargetBrowsers, nullptr, next.targetBrowser, now.targetBrowser});
        steps.push_back({SheetAction::SetHookMask, nullptr, next.targetBrowser, 0});
        write("TARGET_B", next.targetBrowser);
    }
    if (next.listMode != now.listMode)
        write("ListMode", next.listMode);
    if (next.newWindowMode != now.newWindowMode)
        write("NewWindowMode", next.newWindowMode);
    if (next.sizePos != now.sizePos) {
        write("Size_Pos", next.sizePos);
        steps.push_back({SheetAction::EnableUpdateSize, nullptr, next.sizePos != 0, 0});
    }
    if (next.startupLink != now.startupLink) {
        const bool create = !now.startupLink && next.startupLink;
        steps.push_back({create ? SheetAction::CreateStartupLink : SheetAction::DeleteStartupLink, nullptr, 0, 0});
    }
    if (next.iconic != now.iconic)
        write("ICONIC", next.iconic);
    if (next.filter != now.filter) {
        steps.push_back({now.filter ? SheetAction::CloseAllParked : SheetAction::MovePopupsToCloseList, nullptr, 0, 0});
        write("FILTER", next.filter);
    }
    return steps;
}
