#include "capture/popup_table.h"

#include "hooklib/hook_protocol.h"

WindowHandle g_ahwndPopup[kPopupSlots];

namespace {
constexpr uint32_t kMaximizeBox = 0x00010000;
constexpr uint32_t kThickFrame = 0x00040000;
}  // namespace

void ClearPopups()
{
    for (WindowHandle& slot : g_ahwndPopup)
        slot = 0;
}

void AddPopup(WindowHandle window)
{
    for (WindowHandle& slot : g_ahwndPopup) {
        if (!slot) {
            slot = window;
            return;
        }
    }
}

void RemovePopup(WindowHandle window)
{
    for (WindowHandle& slot : g_ahwndPopup) {
        if (slot == window) {
            slot = 0;
            return;
        }
    }
}

void ForgetDeadPopups()
{
    for (WindowHandle& slot : g_ahwndPopup)
        if (slot && !Seam().IsAlive(slot))
            slot = 0;
}

bool IsPopup(WindowHandle window)
{
    if (!window)
        return false;
    for (WindowHandle slot : g_ahwndPopup)
        if (slot == window)
            return true;
    return false;
}

bool LooksLikePopup(WindowHandle window, int type)
{
    uint32_t style = 0;
    if (Seam().StyleOf(window, style) && (!(style & kMaximizeBox) || !(style & kThickFrame)))
        return true;
    if (type != BROWSER_OPERA_OUI && type != BROWSER_OPERA_OP)
        return false;
    // An Opera window without its inner window is a pop-up.
    for (WindowHandle child : Seam().DescendantsOf(window)) {
        const std::string name = Seam().ClassOf(child);
        if (type == BROWSER_OPERA_OUI ? name.compare(0, 6, "#32770") == 0 : name == "OUIWINDOW")
            return false;
    }
    return true;
}
