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
    auto step = [&](SheetAction action, const char* key = nullptr, int value = 0, int old = 0) {
        steps.push_back({action, key, value, old});
    };
    auto storeAndWrite = [&](const char* key, int value) {
        step(SheetAction::Store, key, value);
        step(SheetAction::WriteSetting, key, value);
    };
    auto switched = [](int now, int next) { return (now != 0) != (next != 0); };
    const SheetValues& now = inForce;
    const SheetValues& next = fromPages;
    if (switched(now.exitBrowser, next.exitBrowser))
        storeAndWrite("EXIT_BROWSER", next.exitBrowser);
    if (next.targetBrowser != now.targetBrowser) {
        step(SheetAction::ChangeTargetBrowsers, nullptr, next.targetBrowser, now.targetBrowser);
        step(SheetAction::Store, "TARGET_B", next.targetBrowser);
        step(SheetAction::SetHookMask, nullptr, next.targetBrowser);
        step(SheetAction::WriteSetting, "TARGET_B", next.targetBrowser);
    }
    if (next.listMode != now.listMode)
        storeAndWrite("ListMode", next.listMode);
    if (next.newWindowMode != now.newWindowMode)
        storeAndWrite("NewWindowMode", next.newWindowMode);
    if (switched(now.sizePos, next.sizePos)) {
        storeAndWrite("Size_Pos", next.sizePos);
        step(SheetAction::EnableUpdateSize, nullptr, next.sizePos != 0);
    }
    if (switched(now.startupLink, next.startupLink)) {
        step(next.startupLink ? SheetAction::CreateStartupLink : SheetAction::DeleteStartupLink);
        step(SheetAction::Store, kStartupLinkKey, next.startupLink);  // the link itself is the record
    }
    if (switched(now.iconic, next.iconic))
        storeAndWrite("ICONIC", next.iconic);
    if (switched(now.filter, next.filter)) {
        step(now.filter ? SheetAction::CloseAllParked : SheetAction::MovePopupsToCloseList);
        storeAndWrite("FILTER", next.filter);
    }
    return steps;
}
